#include "gui/voucher_actions.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/vouchers/import_xlsx.h"
#include "gui/entry_actions.h"
#include "gui/output_view.h"
#include "gui/print_dialogs.h"
#include "gui/qt_convert.h"

namespace varnello {

namespace {

QSettings Store() {
  return QSettings(QStringLiteral("Varnello"), QStringLiteral("Varnello"));
}

// The settings dialog; false when the user cancels.
bool AskSettings(QWidget* parent, VoucherSettings& s) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("凭证设置"));
  auto* form = new QFormLayout(&dialog);
  auto* date = new QDateEdit(QDate::fromString(ToQString(s.voucher.date), Qt::ISODate), &dialog);
  date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  date->setCalendarPopup(true);
  auto* word = new QLineEdit(ToQString(s.voucher.word), &dialog);
  auto* number = new QSpinBox(&dialog);
  number->setRange(1, 99999999);
  number->setValue(s.voucher.firstNumber);
  auto* attachments = new QSpinBox(&dialog);
  attachments->setRange(0, 9999);
  attachments->setValue(s.voucher.attachments);
  auto* preparer = new QLineEdit(ToQString(s.voucher.preparer), &dialog);
  auto* perPage = new QComboBox(&dialog);
  perPage->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
  perPage->setCurrentIndex(s.layout.perPage - 1);
  auto* grid = new QCheckBox(QStringLiteral("金额按 亿…元角分 分栏"), &dialog);
  grid->setChecked(s.layout.digitGrid);
  auto* chart = new QLineEdit(s.chartFile, &dialog);
  chart->setPlaceholderText(QStringLiteral("标准会计科目表"));
  auto* choose = new QPushButton(QStringLiteral("选择…"), &dialog);
  QObject::connect(choose, &QPushButton::clicked, &dialog, [&dialog, chart] {
    QString file = QFileDialog::getOpenFileName(&dialog, QStringLiteral("选择科目表"), chart->text(),
                                                QStringLiteral("科目表 CSV (*.csv);;所有文件 (*)"));
    if (!file.isEmpty()) chart->setText(file);
  });
  auto* chartRow = new QHBoxLayout;
  chartRow->addWidget(chart);
  chartRow->addWidget(choose);
  form->addRow(QStringLiteral("日期"), date);
  form->addRow(QStringLiteral("凭证字"), word);
  form->addRow(QStringLiteral("起始凭证号"), number);
  form->addRow(QStringLiteral("附单据数"), attachments);
  form->addRow(QStringLiteral("制单人"), preparer);
  form->addRow(QStringLiteral("每页凭证数"), perPage);
  form->addRow(QString(), grid);
  form->addRow(QStringLiteral("科目表（科目编码,科目名称）"), chartRow);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  s.voucher.date = date->date().toString(Qt::ISODate).toStdString();
  s.voucher.word = word->text().trimmed().isEmpty() ? "记" : word->text().trimmed().toStdString();
  s.voucher.firstNumber = number->value();
  s.voucher.attachments = attachments->value();
  s.voucher.preparer = preparer->text().trimmed().toStdString();
  s.layout.perPage = perPage->currentIndex() + 1;
  s.layout.digitGrid = grid->isChecked();
  s.chartFile = chart->text().trimmed();
  return true;
}

}  // namespace

VoucherSettings VoucherSettings::Load() {
  QSettings store = Store();
  store.beginGroup(QStringLiteral("vouchers"));
  VoucherSettings s;
  QDate date = QDate::fromString(store.value(QStringLiteral("date")).toString(), Qt::ISODate);
  s.voucher.date = (date.isValid() ? date : QDate::currentDate()).toString(Qt::ISODate).toStdString();
  s.voucher.word = store.value(QStringLiteral("word"), QStringLiteral("记")).toString().toStdString();
  s.voucher.firstNumber = std::max(1, store.value(QStringLiteral("number"), 1).toInt());
  s.voucher.attachments = std::max(0, store.value(QStringLiteral("attachments"), 0).toInt());
  s.voucher.preparer = store.value(QStringLiteral("preparer")).toString().toStdString();
  s.layout.perPage = std::clamp(store.value(QStringLiteral("perPage"), 2).toInt(), 1, 3);
  s.layout.digitGrid = store.value(QStringLiteral("digitGrid"), false).toBool();
  s.chartFile = store.value(QStringLiteral("chart")).toString();
  return s;
}

void VoucherSettings::save() const {
  QSettings store = Store();
  store.beginGroup(QStringLiteral("vouchers"));
  store.setValue(QStringLiteral("date"), ToQString(voucher.date));
  store.setValue(QStringLiteral("word"), ToQString(voucher.word));
  store.setValue(QStringLiteral("number"), voucher.firstNumber);
  store.setValue(QStringLiteral("attachments"), voucher.attachments);
  store.setValue(QStringLiteral("preparer"), ToQString(voucher.preparer));
  store.setValue(QStringLiteral("perPage"), layout.perPage);
  store.setValue(QStringLiteral("digitGrid"), layout.digitGrid);
  store.setValue(QStringLiteral("chart"), chartFile);
}

void PaintVoucherPages(const std::vector<VoucherPage>& pages, QPagedPaintDevice* device) {
  QPainter painter(device);
  const double perMm = device->width() / static_cast<double>(device->widthMM());
  QFont base = QGuiApplication::font();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) device->newPage();
    for (const DrawnLine& l : pages[i].lines) {
      QPen pen(Qt::black, l.width * perMm, Qt::SolidLine, Qt::SquareCap);
      painter.setPen(pen);
      painter.drawLine(QPointF(l.x1 * perMm, l.y1 * perMm), QPointF(l.x2 * perMm, l.y2 * perMm));
    }
    painter.setPen(Qt::black);
    for (const DrawnText& t : pages[i].texts) {
      QFont font = base;
      font.setBold(t.bold);
      font.setPointSizeF(t.points);
      QString text = ToQString(t.text);
      QRectF box(t.x * perMm, t.y * perMm, t.w * perMm, t.h * perMm);
      // Smaller until it fits its box.
      for (double points = t.points; points > 5; points *= 0.92) {
        font.setPointSizeF(points);
        if (QFontMetricsF(font, device).horizontalAdvance(text) <= box.width()) break;
      }
      painter.setFont(font);
      Qt::Alignment align = t.align == DrawnText::Align::Left    ? Qt::AlignLeft
                            : t.align == DrawnText::Align::Right ? Qt::AlignRight
                                                                 : Qt::AlignHCenter;
      painter.drawText(box, static_cast<int>(align | Qt::AlignVCenter) | Qt::TextDontClip, text);
    }
  }
}

VoucherActions::VoucherActions(QWidget* window, QString name, QString summary, EntriesSource entries)
    : QObject(window),
      window_(window),
      name_(std::move(name)),
      summary_(std::move(summary)),
      entries_(std::move(entries)) {
  export_ = new QAction(QStringLiteral("导出凭证(&B)…"), this);
  print_ = new QAction(QStringLiteral("打印凭证(&R)…"), this);
  connect(export_, &QAction::triggered, this, &VoucherActions::doExport);
  connect(print_, &QAction::triggered, this, &VoucherActions::doPrint);
}

VoucherActions* AttachVoucherActions(QWidget* window, const TopicDesc& desc, OutputView* view,
                                     VoucherActions::EntriesSource entries) {
  QString summary = ToQString(desc.id.name());
  for (const KeywordRow& row : Keywords()) {
    if (row.window == desc.id) {
      summary = ToQString(row.keyword);
      break;
    }
  }
  auto* actions = new VoucherActions(window, ToQString(desc.id.name()), summary, std::move(entries));
  actions->attach(view);
  return actions;
}

void VoucherActions::setMessageReporter(MessageReporter reporter) {
  EntryActions::setMessageReporter(std::move(reporter));
}

void VoucherActions::attach(OutputView* view) {
  connect(view, &OutputView::contextMenuAboutToShow, this, [this](QMenu* menu, int) {
    bool any = !entries_().empty();
    menu->addSeparator();
    for (QAction* a : {export_, print_}) {
      a->setEnabled(any);
      menu->addAction(a);
    }
  });
}

std::optional<VoucherActions::Booked> VoucherActions::book(const QString& what) {
  std::vector<Entry> entries = entries_();
  if (entries.empty()) return std::nullopt;
  Booked b{VoucherSettings::Load(), {}};
  if (targetPath_.isEmpty()) {
    if (!AskSettings(window_, b.settings)) return std::nullopt;
    b.settings.save();
  }
  std::optional<Chart> chart = Chart::Standard();
  if (!b.settings.chartFile.isEmpty()) {
    QFile file(b.settings.chartFile);
    std::string error;
    if (!file.open(QIODevice::ReadOnly)) {
      error = file.errorString().toStdString();
      chart.reset();
    } else {
      chart = Chart::WithUserCsv(file.readAll().toStdString(), &error);
    }
    if (!chart) {
      EntryActions::report(window_,
                           QStringLiteral("%1失败：无法使用科目表“%2”。\n原因：%3")
                               .arg(what, QDir::toNativeSeparators(b.settings.chartFile), ToQString(error)));
      return std::nullopt;
    }
  }
  b.set = VouchersOf(entries, *chart, b.settings.voucher, summary_.toStdString());
  if (!b.set.refused.empty() || b.set.vouchers.empty()) {
    QString message = b.set.vouchers.empty() ? QStringLiteral("%1：没有可以记账的分录。").arg(what)
                                             : QStringLiteral("%1：以下分录不能做成凭证，已略过：").arg(what);
    for (const RefusedEntry& r : b.set.refused) {
      message += QStringLiteral("\n%1：%2")
                     .arg(r.heading.empty() ? QStringLiteral("（无摘要）") : ToQString(r.heading),
                          ToQString(r.reason));
    }
    EntryActions::report(window_, message);
    if (b.set.vouchers.empty()) return std::nullopt;
  }
  return b;
}

bool VoucherActions::doExport() {
  std::optional<Booked> b = book(QStringLiteral("导出凭证"));
  if (!b) return false;
  const QString xlsx = QStringLiteral("导入文件 Excel (*.xlsx)"),
                csv = QStringLiteral("导入文件 CSV (*.csv)"), pdf = QStringLiteral("记账凭证 PDF (*.pdf)");
  QString path = targetPath_;
  if (path.isEmpty()) {
    // Named by the business, in the folder the other saves start in.
    QString suggested = SaveDialogFolder() + QLatin1Char('/') +
                        ExportFileName(name_, QStringLiteral("xlsx")).chopped(5) +
                        QStringLiteral("-凭证.xlsx");
    QString filter = xlsx;
    path = QFileDialog::getSaveFileName(window_, QStringLiteral("导出凭证"), suggested,
                                        xlsx + ";;" + csv + ";;" + pdf, &filter);
    if (path.isEmpty()) return false;
  }
  QByteArray bytes;
  QString error;
  if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("记账凭证 - %1").arg(BusinessTitle(name_)));
    writer.setCreator(QStringLiteral("Varnello"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    PaintVoucherPages(LayoutVouchers(b->set, b->settings.voucher, b->settings.layout), &writer);
  } else if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
    bytes = QByteArray::fromStdString(ImportCsv(b->set, b->settings.voucher));
  } else {
    std::string reason;
    std::optional<VoucherDate> date = ParseVoucherDate(b->settings.voucher.date);
    std::optional<std::string> workbook =
        date ? ImportXlsx(b->set, b->settings.voucher, *date, &reason) : std::nullopt;
    if (!workbook) {
      EntryActions::report(window_, QStringLiteral("导出凭证失败：%1").arg(ToQString(reason)));
      return false;
    }
    bytes = QByteArray::fromStdString(*workbook);
  }
  if (!WriteFileAtomically(path, bytes, &error)) {
    EntryActions::report(
        window_,
        QStringLiteral("导出凭证失败：无法写入文件“%1”。\n原因：%2\n没有写入任何内容，原有文件保持不变。")
            .arg(QDir::toNativeSeparators(path), error));
    return false;
  }
  return true;
}

void VoucherActions::doPrint() {
  std::optional<Booked> b = book(QStringLiteral("打印凭证"));
  if (!b) return;
  QString error;
  const PrintDialogs* dialogs = LoadPrintDialogs(PrintModuleFolders(), &error);
  if (dialogs == nullptr) {
    EntryActions::report(window_, QStringLiteral("打印凭证失败：无法载入打印模块。\n原因：%1").arg(error));
    return;
  }
  std::vector<VoucherPage> pages = LayoutVouchers(b->set, b->settings.voucher, b->settings.layout);
  dialogs->preview(window_, QStringLiteral("打印凭证 - %1").arg(name_), name_,
                   [&pages](QPagedPaintDevice* device) {
                     device->setPageSize(QPageSize(QPageSize::A4));
                     device->setPageMargins(QMarginsF(0, 0, 0, 0));
                     PaintVoucherPages(pages, device);
                   });
}

}  // namespace varnello
