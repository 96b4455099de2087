// Vouchers from a window: 导出凭证… and 打印凭证… in the output's menu, each file format written
// whole, refused entries told, and the settings remembered.
#include "gui/voucher_actions.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "gui/gui_tests.h"
#include "gui/output_view.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"

namespace varnello {
namespace {

std::unique_ptr<TopicWindow> Pressed(std::string_view window,
                                     std::vector<std::pair<int, const char*>> texts) {
  auto w = std::make_unique<TopicWindow>(*FindTopic(*WindowId::Parse(window)));
  w->show();
  for (const auto& [n, text] : texts) w->field(n)->setText(QString::fromUtf8(text));
  w->press();
  return w;
}

class VoucherActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The settings go to a folder of the test's own.
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    VoucherActions::setMessageReporter([this](QWidget*, const QString& m) { message_ = m; });
    VoucherSettings s;
    s.voucher = {"2026-12-08", "记", 3, 1, "张三"};
    s.layout = {3, true};
    s.save();
    QCOMPARE(VoucherSettings::Load().voucher.preparer, std::string("张三"));
    QCOMPARE(VoucherSettings::Load().layout.perPage, 3);
  }

  void menuOffersBothOnceSomethingIsPrinted() {
    auto w = Pressed("Form6", {});
    OutputView* view = w->surface();
    std::unique_ptr<QMenu> menu(view->createContextMenu(QPoint(5, 5)));
    QStringList texts;
    for (QAction* a : menu->actions()) {
      if (a->isEnabled()) texts << a->text();
    }
    QVERIFY2(
        texts.contains(QStringLiteral("导出凭证(&B)…")) && texts.contains(QStringLiteral("打印凭证(&R)…")),
        qPrintable(texts.join('|')));
  }

  // Each format from the share purchase: the CSV is the core's rows with the saved settings, the
  // workbook and the PDF are whole files; a target that cannot be written is told and left alone.
  void exportWritesEachFormat() {
    auto w = Pressed("Form6", {{1, "10"}, {2, "0.5"}, {3, "1000"}, {4, "50"}});
    auto* actions = w->findChild<VoucherActions*>();
    QVERIFY(actions != nullptr);
    QTemporaryDir dir;
    const QByteArray magic[] = {"\xEF\xBB\xBF日期,凭证字,凭证号", "PK", "%PDF-"};
    const char* names[] = {"v.csv", "v.xlsx", "v.pdf"};
    for (int i = 0; i < 3; ++i) {
      QString path = dir.filePath(QString::fromLatin1(names[i]));
      actions->setTargetPath(path);
      message_.clear();
      QVERIFY2(actions->doExport(), qPrintable(message_));
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QByteArray bytes = file.readAll();
      QVERIFY2(bytes.startsWith(magic[i]), names[i]);
      if (i == 0) {
        VoucherSettings s = VoucherSettings::Load();
        VoucherSet set = VouchersOf(w->entries(), Chart::Standard(), s.voucher, "买股票");
        QCOMPARE(bytes, QByteArray::fromStdString(ImportCsv(set, s.voucher)));
        QVERIFY(bytes.contains("2026-12-08,记,3,1,购入股票,1101,交易性金融资产-成本,9550.00,,张三"));
      }
    }
    actions->setTargetPath(dir.filePath(QStringLiteral("no/such/v.xlsx")));
    QVERIFY(!actions->doExport());
    QVERIFY2(message_.endsWith(QStringLiteral("原有文件保持不变。")), qPrintable(message_));
  }

  // An entry on one side only is not booked; the user is told which and why, the rest is written.
  void refusedEntriesAreTold() {
    auto w = Pressed("Form124", {{1, "100"}, {2, "50"}});
    auto* actions = w->findChild<VoucherActions*>();
    QTemporaryDir dir;
    actions->setTargetPath(dir.filePath(QStringLiteral("r.csv")));
    message_.clear();
    QVERIFY(actions->doExport());
    QVERIFY2(message_.contains(QStringLiteral("借贷不平")), qPrintable(message_));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("r.csv"))));
  }

 private:
  QTemporaryDir config_;
  QString message_;
};

testing::RegisterGuiTest<VoucherActionsTest> registered;

}  // namespace
}  // namespace varnello

#include "voucher_actions_test.moc"
