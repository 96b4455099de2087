// A bare Qt 6 Widgets window that quits right after its first paint: the yardstick for the
// start-up time of the main window. It sets up the same CJK font as the program and draws with it
// in both weights the main window's captions show (regular, and bold for the title banner), so
// that loading those two faces counts on both sides.
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
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(rect(), Qt::AlignTop | Qt::AlignHCenter, QStringLiteral("Varnello"));
    QTimer::singleShot(0, qApp, &QApplication::quit);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  varnello::InstallAppFont();
  Bare window;
  window.setWindowTitle(QStringLiteral("Form1"));
  // The main window's size: its designed client area and the two rows of its menu bar.
  window.resize(738, 616);
  window.show();
  return app.exec();
}
