// The main window Form1: keyword field, 确定/取消/退出 and the menu bar of 13 entries.
#pragma once

#include <QMainWindow>

class QLabel;
class QLineEdit;

namespace varnello {

class KeywordCompleter;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  QLineEdit* keywordField() const { return keyword_; }
  KeywordCompleter* keywordCompleter() const { return completer_; }
  // Beside the field: what 确定 found no window for, with the nearest keywords; hidden otherwise.
  QLabel* keywordMessage() const { return message_; }

 signals:
  // Keyword dispatch found a window: hide the main window, then show it.
  void dispatch(const QString& window);
  // A menu entry: show the window, the main window stays.
  void menuChosen(const QString& window);
  void quitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void confirm();
  QLineEdit* keyword_ = nullptr;
  KeywordCompleter* completer_ = nullptr;
  QLabel* message_ = nullptr;
};

// What the main window says when 确定 finds no window for `text`: 没有“…”这个关键字, then the
// nearest keywords (those found by characters or pinyin; the keywords of a window named by its
// name; else those sharing the most characters with it).
QString UnknownKeywordMessage(const QString& text);

}  // namespace varnello
