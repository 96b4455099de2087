// Every caption and button text of every window is shown whole, in the window font.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "gui/gui_tests.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

class CaptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void noCaptionIsClipped() {
    WindowRegistry windows;
    for (const WindowEntry& entry : Windows()) {
      std::string_view name = entry.id.name();
      QWidget* w = windows.show(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
      QVERIFY(w != nullptr);
      for (QLabel* label : w->findChildren<QLabel*>()) {
        if (label->wordWrap() || !label->isVisible()) continue;
        QString where = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                        QLatin1Char(' ') + label->text();
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(where));
        QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(where));
      }
      for (QPushButton* button : w->findChildren<QPushButton*>()) {
        QString where = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                        QLatin1Char(' ') + button->text();
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                 qPrintable(where));
      }
      w->hide();
    }
  }
};

testing::RegisterGuiTest<CaptionsTest> registered;

}  // namespace
}  // namespace varnello

#include "captions_test.moc"
