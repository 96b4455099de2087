#include "gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

#include "core/tables/tables.h"
#include "gui/output_surface.h"
#include "gui/qt_convert.h"

namespace varnello {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Form1"));
  setObjectName(QStringLiteral("Form1"));
  auto* client = new QWidget(this);
  client->setFixedSize(ToPixels(11070), ToPixels(8730));
  setCentralWidget(client);

  // The main window prints nothing, but it has a surface for 取消 to clear like any other.
  surface_ = new OutputSurface(client);
  surface_->setGeometry(client->rect());

  auto* banner = new QLabel(QStringLiteral("Varnello"), client);
  banner->setObjectName(QStringLiteral("Label1"));
  QFont bold = font();
  bold.setBold(true);
  banner->setFont(bold);
  banner->setGeometry(ToPixels(Rect{7200, 1560, 2175, 375}));

  keyword_ = new QLineEdit(client);
  keyword_->setObjectName(QStringLiteral("Text1"));
  keyword_->setGeometry(ToPixels(Rect{6360, 2280, 3615, 495}));

  auto makeButton = [client](const char* name, const QString& caption, QRect r) {
    auto* b = new QPushButton(caption, client);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setGeometry(r);
    return b;
  };
  QPushButton* ok = makeButton("Command1", QStringLiteral("确定"), ToPixels(Rect{6000, 3360, 1935, 495}));
  QPushButton* cancel = makeButton("Command3", QStringLiteral("取消"), ToPixels(Rect{8520, 3360, 1935, 495}));
  QPushButton* exit = makeButton("Command2", QStringLiteral("退出"), ToPixels(Rect{7080, 4440, 1935, 495}));
  connect(ok, &QPushButton::clicked, this, &MainWindow::confirm);
  connect(cancel, &QPushButton::clicked, surface_, &OutputSurface::clear);
  connect(exit, &QPushButton::clicked, this, &MainWindow::quitRequested);
  setTabOrder(keyword_, cancel);
  setTabOrder(cancel, exit);
  setTabOrder(exit, ok);

  for (const MenuEntry& entry : Menu()) {
    QAction* action = menuBar()->addAction(ToQString(entry.caption));
    action->setObjectName(ToQString(entry.name));
    QString target = ToQString(entry.opens.name());
    connect(action, &QAction::triggered, this, [this, target] { emit menuChosen(target); });
  }
  // All 13 entries stay in view: the window is widened when the menu bar needs more room than
  // the designed client width.
  int menuWidth = menuBar()->sizeHint().width();
  if (menuWidth > client->width()) client->setFixedWidth(menuWidth);
  keyword_->setFocus();
}

void MainWindow::confirm() {
  // Every row is compared; the keywords are distinct, so at most one window is shown.
  if (auto window = DispatchKeyword(keyword_->text().toStdString())) emit dispatch(ToQString(window->name()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit quitRequested();
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  // For start-up measurements: quit once the first frame has been painted.
  static const bool exitAfterPaint = std::getenv("VARNELLO_EXIT_AFTER_PAINT") != nullptr;
  if (exitAfterPaint) QTimer::singleShot(0, this, &MainWindow::quitRequested);
}

}  // namespace varnello
