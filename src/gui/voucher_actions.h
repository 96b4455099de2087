// Taking a topic window's entries into the books: 导出凭证… (the import file of accounting
// software as .xlsx or CSV, or the vouchers as PDF) and 打印凭证… (the vouchers in the print
// preview, printed from there). Both ask for the voucher settings first, remembered between runs.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/accounts/chart.h"
#include "core/entries/entries.h"
#include "core/vouchers/voucher.h"
#include "core/vouchers/voucher_layout.h"
#include "gui/entry_actions.h"

class QAction;
class QMenu;
class QPagedPaintDevice;
class QWidget;

namespace varnello {

class OutputView;

// What the user chose for vouchers, as kept in the settings (QSettings "Varnello"/"Varnello",
// group "vouchers"); `chartFile` empty for the standard chart.
struct VoucherSettings {
  VoucherOptions voucher;
  VoucherLayoutOptions layout;
  QString chartFile;

  static VoucherSettings Load();
  void save() const;
};

// Paints voucher pages onto a printer or PDF writer, one device page each.
void PaintVoucherPages(const std::vector<VoucherPage>& pages, QPagedPaintDevice* device);

class VoucherActions : public QObject {
  Q_OBJECT
 public:
  using EntriesSource = std::function<std::vector<Entry>()>;
  // `summary` is the 摘要 of an entry without a heading (the window's keyword).
  VoucherActions(QWidget* window, QString name, QString summary, EntriesSource entries);

  void attach(OutputView* view);

  // Without a user: no settings dialog, no file dialog; the saved settings and this path are
  // used (tests, automation).
  void setTargetPath(const QString& path) { targetPath_ = path; }
  // Failures are shown as the entry actions show theirs (one reporter for both).
  using MessageReporter = EntryActions::MessageReporter;
  static void setMessageReporter(MessageReporter reporter);

  bool doExport();
  void doPrint();

 private:
  // The settings (asked for unless a target path is set) and the vouchers made with them; none
  // when the user cancels or nothing can be booked, the user told why.
  struct Booked {
    VoucherSettings settings;
    VoucherSet set;
  };
  std::optional<Booked> book(const QString& what);
  QWidget* window_;
  QString name_;
  QString summary_;
  EntriesSource entries_;
  QString targetPath_;
  QAction* export_;
  QAction* print_;
};

struct TopicDesc;
// Makes the window's voucher actions and adds them to its output's context menu; an entry without
// a heading is summarised by the window's first keyword.
VoucherActions* AttachVoucherActions(QWidget* window, const TopicDesc& desc, OutputView* view,
                                     VoucherActions::EntriesSource entries);

}  // namespace varnello
