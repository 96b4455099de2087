#include "gui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <algorithm>

#include "core/catalogue/catalogue.h"
#include "core/layout/layout.h"
#include "core/search/keyword_index.h"
#include "gui/about_box.h"
#include "gui/app_font.h"
#include "gui/book_window.h"
#include "gui/keyword_completer.h"
#include "gui/practice_sheet.h"
#include "gui/qt_convert.h"
#include "gui/set_dialog.h"
#include "gui/wrapping_menu_bar.h"

namespace varnello {

QString UnknownKeywordMessage(const QString& text) {
  constexpr int kMost = 5;  // nearest keywords named at most
  QStringList nearest;
  auto add = [&nearest](std::string_view keyword) {
    QString k = ToQString(keyword);
    if (nearest.size() < kMost && !nearest.contains(k)) nearest << k;
  };
  for (const KeywordMatch& m : FindKeywords(text.trimmed().toStdString())) add(m.entry->keyword);
  if (nearest.isEmpty()) {
    if (std::optional<WindowId> id = WindowId::Parse(text.trimmed().toStdString())) {
      for (const KeywordEntry& e : KeywordIndex())
        if (e.window == *id) add(e.keyword);
    }
  }
  if (nearest.isEmpty()) {
    // The keywords sharing the most characters with the text, in table order among equals.
    QSet<QChar> typed;
    for (QChar c : text)
      if (!c.isSpace()) typed.insert(c);
    std::vector<std::pair<int, std::string_view>> shared;
    for (const KeywordEntry& e : KeywordIndex()) {
      int common = 0;
      QSet<QChar> seen;
      for (QChar c : ToQString(e.keyword))
        if (typed.contains(c) && !seen.contains(c)) seen.insert(c), ++common;
      if (common > 0) shared.emplace_back(common, e.keyword);
    }
    std::stable_sort(shared.begin(), shared.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [common, keyword] : shared) add(keyword);
  }
  QString message = QStringLiteral("没有“%1”这个关键字").arg(text);
  if (!nearest.isEmpty())
    message += QStringLiteral("。是不是：") + nearest.join(QStringLiteral("、"));
  else
    message += QStringLiteral("。可输入关键字或拼音首字母，如 gz");
  return message;
}

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
        if (c.kind == ControlKind::Section) EmphasiseHeading(label);
        w = label;
        break;
      }
      case ControlKind::Field:
        keyword_ = new QLineEdit(client);
        keyword_->setAccessibleName(QStringLiteral("关键字"));
        keyword_->setPlaceholderText(QStringLiteral("关键字或拼音首字母，如 gz"));
        completer_ = new KeywordCompleter(keyword_);
        // Typing again puts the message about the last text away.
        connect(keyword_, &QLineEdit::textEdited, this, [this] {
          if (message_ != nullptr) message_->hide();
        });
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
  // The message of an unknown keyword, under the field in the room before the buttons; read by a
  // screen reader as the field's description too.
  message_ = new QLabel(client);
  message_->setObjectName(QStringLiteral("keywordMessage"));
  message_->setWordWrap(true);
  message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  {
    QPalette p = message_->palette();
    p.setColor(QPalette::WindowText, QColor(0xb0, 0x30, 0x00));
    message_->setPalette(p);
  }
  message_->hide();
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
  if (auto window = DispatchKeyword(keyword_->text().toStdString())) {
    message_->hide();
    emit dispatch(ToQString(window->name()));
    return;
  }
  if (keyword_->text().trimmed().isEmpty()) {
    message_->hide();
    return;
  }
  // Said beside the field, not in a box: the student corrects the text where it stands.
  message_->setText(UnknownKeywordMessage(keyword_->text()));
  const QRect field = keyword_->geometry();
  const int width = std::max(field.width(), 240);
  message_->setGeometry(field.left(), field.bottom() + 4, width, message_->heightForWidth(width));
  message_->show();
  message_->raise();
  keyword_->setAccessibleDescription(message_->text());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit quitRequested();
}

}  // namespace varnello
