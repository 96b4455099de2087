#include "gui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "core/catalogue/catalogue.h"
#include "core/layout/layout.h"
#include "gui/about_box.h"
#include "gui/book_window.h"
#include "gui/keyword_completer.h"
#include "gui/practice_sheet.h"
#include "gui/qt_convert.h"
#include "gui/set_dialog.h"
#include "gui/wrapping_menu_bar.h"

namespace varnello {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(ToQString(kMainWindow));
  setObjectName(ToQString(kMainWindow));
  WindowLayout layout = LayoutMain();
  auto* client = new QWidget(this);
  client->setMinimumSize(ToPixels(layout.minWidth), ToPixels(layout.minHeight));
  setCentralWidget(client);

  std::vector<QWidget*> widgets;
  for (const Control& c : layout.controls) {
    QWidget* w = nullptr;
    switch (c.kind) {
      case ControlKind::Caption:
      case ControlKind::Section: {
        auto* label = new QLabel(ToQString(c.caption), client);
        if (c.kind == ControlKind::Section) {
          QFont bold = label->font();
          bold.setBold(true);
          label->setFont(bold);
        }
        w = label;
        break;
      }
      case ControlKind::Field:
        keyword_ = new QLineEdit(client);
        keyword_->setAccessibleName(QStringLiteral("关键字"));
        keyword_->setPlaceholderText(QStringLiteral("关键字或拼音首字母，如 gz"));
        completer_ = new KeywordCompleter(keyword_);
        w = keyword_;
        break;
      case ControlKind::Button: {
        auto* button = new QPushButton(ToQString(c.caption), client);
        button->setAutoDefault(false);
        if (c.role == ButtonRole::Compute) connect(button, &QPushButton::clicked, this, &MainWindow::confirm);
        // 取消 (ButtonRole::Clear) clears the printed lines, and the main window prints none.
        if (c.role == ButtonRole::Quit)
          connect(button, &QPushButton::clicked, this, &MainWindow::quitRequested);
        w = button;
        break;
      }
    }
    w->setObjectName(ToQString(c.name));
    w->setGeometry(ToPixels(c.rect));
    widgets.push_back(w);
  }
  ApplyTabOrder(layout, widgets);
  // The practice switch stands in free space below the designed controls: it is the last stop of
  // the Tab chain, and the client area never shrinks so far that it is cut.
  QCheckBox* practice = AddPracticeSwitch(client);
  if (!layout.tabOrder.empty()) QWidget::setTabOrder(widgets[layout.tabOrder.back()], practice);
  AttachSetDialog(this, client, practice);
  QRect reach = practice->geometry();
  if (auto* sets = client->findChild<QWidget*>(QStringLiteral("setButton"))) reach |= sets->geometry();
  client->setMinimumSize(client->minimumSize().expandedTo(QSize(reach.right() + 9, reach.bottom() + 9)));

  setMenuBar(new WrappingMenuBar(this));
  for (const MenuEntry& entry : Menu()) {
    QAction* action = menuBar()->addAction(ToQString(entry.caption));
    action->setObjectName(ToQString(entry.name));
    QString target = ToQString(entry.opens.name());
    connect(action, &QAction::triggered, this, [this, target] { emit menuChosen(target); });
  }
  AttachBookMenu(this);
  // The designed client area below the menu bar, which takes a second row when its 13 entries do
  // not fit on one.
  int width = ToPixels(layout.width);
  resize(width, menuBar()->heightForWidth(width) + ToPixels(layout.height));
  AttachAboutBox(this);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Back from a topic window: the last keyword is selected, so typing replaces it.
  keyword_->setFocus();
  keyword_->selectAll();
}

void MainWindow::confirm() {
  // Every row is compared; the keywords are distinct, so at most one window is shown.
  if (auto window = DispatchKeyword(keyword_->text().toStdString())) emit dispatch(ToQString(window->name()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit quitRequested();
}

}  // namespace varnello
