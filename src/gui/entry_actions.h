// Taking a topic window's printed entries elsewhere: copy as a table, save as CSV, print, export
// to PDF, and an amount in capital numerals. Attached to a window's output context menu.
#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "core/entries/entries.h"

class QAction;
class QMenu;
class QMimeData;
class QPagedPaintDevice;
class QWidget;

namespace varnello {

class OutputView;
struct PrintDialogs;

// What a printout shows: the window's name and keywords, the typed figures with their captions,
// the entries, the date.
struct PrintContent {
  QString window;
  QStringList keywords;
  std::vector<std::pair<QString, QString>> figures;  // caption, text as typed
  std::vector<Entry> entries;
  QDate date;
};

// What printouts and exported files are headed and titled by: the window's business, by its
// first keyword, and its name ("买股票（Form6）"); the name alone for a window without keyword.
QString BusinessTitle(const QString& window);
// The name an export is offered under: the business ("买股票.csv").
QString ExportFileName(const QString& window, const QString& suffix);
// Where a save dialog starts: the folder of the last file saved in this run, else the user's
// documents folder, else the home folder.
QString SaveDialogFolder();

// The entries as tab-separated text and as an HTML table, for a paste into a spreadsheet or a
// word processor.
QMimeData* TableMimeData(const std::vector<Entry>& entries);
// Writes the file whole through WriteWholeFile: on failure the file is as it was, the function
// returns false and sets `error` to the system's reason.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error);
// The printout as an HTML document, and printed onto a printer or PDF writer.
QString PrintHtml(const PrintContent& content);
void PrintEntries(const PrintContent& content, QPagedPaintDevice* device);

class EntryActions : public QObject {
  Q_OBJECT
 public:
  using EntriesSource = std::function<std::vector<Entry>()>;
  using FiguresSource = std::function<std::vector<std::pair<QString, QString>>()>;
  // `window` hosts the dialogs and the Ctrl+Shift+C shortcut.
  EntryActions(QWidget* window, QString name, EntriesSource entries, FiguresSource figures);

  QAction* copyTable() const { return copyTable_; }
  QAction* print() const { return print_; }

  // Adds the actions to an output context menu; with the capital numerals of the amount under
  // the pointer, also 复制大写金额.
  // When the amount under the mouse cannot be written exactly, `refusal` says why, on a disabled
  // 复制大写金额 entry.
  void addTo(QMenu* menu, const std::optional<QString>& capital = std::nullopt, const QString& refusal = {});
  // Adds them to the view's context menu.
  void attach(OutputView* view);

  PrintContent content() const;
  // Where saving and exporting write, when set: no file dialog (tests, automation).
  void setTargetPath(const QString& path) { targetPath_ = path; }
  // How a failure to write is shown; replaceable so tests need no modal dialog.
  using MessageReporter = std::function<void(QWidget* window, const QString& message)>;
  static void setMessageReporter(MessageReporter reporter);
  static void report(QWidget* window, const QString& message);

  void doCopyTable();
  bool doSaveCsv();
  void doPrintPreview();
  void doPrint();
  bool doExportPdf();

 private:
  QString askPath(const QString& title, const QString& suffix, const QString& filter);
  // The print module's dialogs; null, with the reason shown to the user, when it does not load.
  const PrintDialogs* printDialogs(const QString& what);
  void fail(const QString& what, const QString& path, const QString& reason);

  QWidget* window_;
  QString name_;
  EntriesSource entries_;
  FiguresSource figures_;
  QString targetPath_;
  QAction* copyTable_;
  QAction* saveCsv_;
  QAction* printPreview_;
  QAction* print_;
  QAction* exportPdf_;
};

}  // namespace varnello
