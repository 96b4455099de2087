// A bare Qt 6 Widgets window that quits right after its first paint: the yardstick for the
// start-up time of the main window.
#include <QApplication>
#include <QTimer>
#include <QWidget>

class Bare : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, qApp, &QApplication::quit); }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Bare window;
  window.setWindowTitle(QStringLiteral("Form1"));
  window.resize(738, 582);
  window.show();
  return app.exec();
}
