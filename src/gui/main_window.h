// The main window Form1: keyword field, 确定/取消/退出 and the menu bar of 13 entries.
#pragma once

#include <QMainWindow>

class QLineEdit;

namespace varnello {

class KeywordCompleter;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  QLineEdit* keywordField() const { return keyword_; }
  KeywordCompleter* keywordCompleter() const { return completer_; }

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
};

}  // namespace varnello
