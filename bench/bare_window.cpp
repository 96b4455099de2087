// A bare Qt 6 Widgets window that quits right after its first paint: the yardstick for the
// start-up time of the main window. It sets up and draws with the same CJK font as the program,
// so that loading that font counts on both sides.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "gui/app_font.h"

class Bare : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("确定 取消 退出"));
    QTimer::singleShot(0, qApp, &QApplication::quit);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  varnello::InstallAppFont();
  Bare window;
  window.setWindowTitle(QStringLiteral("Form1"));
  window.resize(738, 582);
  window.show();
  return app.exec();
}
