// The 账簿 window: the one book the program keeps, in tabs 凭证, T字账, 科目汇总表, 试算平衡表,
// 资产负债表 and 利润表, opened from and saved to its JSON-lines file, printed, exported as PDF or
// xlsx; and 记入账簿…, which takes a topic window's entries into it.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/books/book.h"

class QCheckBox;
class QLabel;
class QTabWidget;
class QTextBrowser;

namespace varnello {

class OutputView;
struct TopicDesc;

class BookWindow : public QMainWindow {
  Q_OBJECT
 public:
  // The program's one book window, made on first use.
  static BookWindow* instance();

  // Adds a line (a press of a window or an entry typed by hand, as JSON) to the book.
  void appendLine(const QString& line);
  bool openFile(const QString& path);
  bool saveFile(const QString& path);
  // The worked month shipped with the program.
  bool openSample();
  // The book's lines as its file holds them.
  const QStringList& lines() const { return lines_; }
  QTabWidget* tabs() const { return tabs_; }
  // The book as read, closed when 结转损益 is ticked.
  Book book() const;

 private:
  explicit BookWindow(QWidget* parent = nullptr);
  void refresh();
  void open();
  void save();
  void saveAs();
  void exportPdf();
  void exportXlsx();
  void print();
  QString html() const;

  QStringList lines_;
  QString path_;
  QTabWidget* tabs_;
  QCheckBox* close_;
  QLabel* status_;
  std::vector<QTextBrowser*> views_;
};

// The 账簿 entry of the main window's menu bar, and Ctrl+B there.
void AttachBookMenu(QMainWindow* window);

// 记入账簿… in a topic window's output menu (and Ctrl+B in the window): the entries its fields
// print now, chosen with a date and 摘要, go into the book as a press of the window.
void AttachBookActions(QWidget* window, const TopicDesc& desc, OutputView* view,
                       std::function<std::map<int, std::string>()> fields);

}  // namespace varnello
