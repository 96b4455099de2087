#include "gui/explanation_panel.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>
#include <QVBoxLayout>

namespace varnello {

namespace {

constexpr const char* kPanelName = "explanationPanel";

class Panel : public QFrame {
 public:
  explicit Panel(QWidget* owner) : QFrame(owner->window(), Qt::Popup) {
    setObjectName(QLatin1String(kPanelName));
    setFrameShape(QFrame::Box);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("explanationText"));
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(text_);
    setBackgroundRole(QPalette::ToolTipBase);
    text_->setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);
  }
  void showText(const QString& text, const QPoint& at) {
    text_->setText(text);
    // About 36 CJK characters a line: readable, and never wider than the screen.
    int width = fontMetrics().horizontalAdvance(QChar(0x6c49)) * 36;
    QScreen* screen = QApplication::screenAt(at);
    if (screen == nullptr) screen = this->screen();
    QRect room = screen != nullptr ? screen->availableGeometry() : QRect(at, QSize(width, width));
    width = std::min(width, room.width() - 16);
    int natural =
        text_->fontMetrics().boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text).width();
    text_->setFixedWidth(std::max(1, std::min(width, natural + 2)));
    adjustSize();
    QPoint p = at;
    p.setX(std::clamp(p.x(), room.left(), std::max(room.left(), room.right() - this->width())));
    if (p.y() + height() > room.bottom()) p.setY(std::max(room.top(), p.y() - height() - 24));
    move(p);
    show();
    text_->setFocus();
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      close();
      return;
    }
    QFrame::keyPressEvent(event);
  }

 private:
  QLabel* text_;
};

}  // namespace

QWidget* ExplanationPanel(const QWidget* owner) {
  return owner->window()->findChild<QWidget*>(QLatin1String(kPanelName), Qt::FindDirectChildrenOnly);
}

QWidget* ShowExplanation(QWidget* owner, const QString& text, const QPoint& at) {
  auto* panel = static_cast<Panel*>(ExplanationPanel(owner));
  if (panel == nullptr) panel = new Panel(owner);
  panel->showText(text, at);
  return panel;
}

QString WrappedToolTip(const QString& text) {
  if (text.isEmpty()) return text;
  // Line breaks and blanks kept as they are, long lines wrapped at the tooltip's width.
  return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace varnello
