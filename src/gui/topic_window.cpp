#include "gui/topic_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "core/layout/layout.h"
#include "gui/output_surface.h"
#include "gui/qt_convert.h"

namespace varnello {

namespace {

TopicWindow::FaultReporter& Reporter() {
  static TopicWindow::FaultReporter reporter = [](QWidget* window, FaultKind kind) {
    QMessageBox::warning(window, window->windowTitle(),
                         QString::fromUtf8(FaultMessage(kind).data(), FaultMessage(kind).size()));
  };
  return reporter;
}

// A caption that shows another window when clicked.
class LinkLabel : public QLabel {
 public:
  LinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
      : QLabel(text, parent), onClick_(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLabel::mouseReleaseEvent(event);
    onClick_();
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace

void TopicWindow::setFaultReporter(FaultReporter reporter) {
  Reporter() = std::move(reporter);
}

TopicWindow::TopicWindow(const TopicDesc& desc, QWidget* parent) : QWidget(parent), desc_(desc) {
  setWindowTitle(ToQString(desc.id.name()));
  setObjectName(ToQString(desc.id.name()));
  WindowLayout layout = LayoutTopic(desc);
  resize(ToPixels(layout.width), ToPixels(layout.height));

  surface_ = new OutputSurface(this);
  surface_->setGeometry(ToPixels(layout.output));

  QFont bold = font();
  bold.setBold(true);
  for (const Control& c : layout.controls) {
    QWidget* w = nullptr;
    switch (c.kind) {
      case ControlKind::Caption:
      case ControlKind::Section: {
        QLabel* label;
        if (c.opens) {
          QString target = ToQString(c.opens.name());
          label = new LinkLabel(
              ToQString(c.caption), [this, target] { emit navigate(target, false); }, this);
        } else {
          label = new QLabel(ToQString(c.caption), this);
        }
        if (c.kind == ControlKind::Section) label->setFont(bold);
        if (c.wrap) {
          label->setWordWrap(true);
          label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        w = label;
        break;
      }
      case ControlKind::Field: {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Text%1").arg(c.field));
        fields_[c.field] = edit;
        w = edit;
        break;
      }
      case ControlKind::Button: {
        auto* button = new QPushButton(ToQString(c.caption), this);
        button->setObjectName(ToQString(c.name));
        button->setAutoDefault(false);
        button->setDefault(false);
        if (c.role == ButtonRole::Compute) {
          connect(button, &QPushButton::clicked, this, &TopicWindow::press);
        } else if (c.role == ButtonRole::Clear) {
          connect(button, &QPushButton::clicked, this, &TopicWindow::clear);
        } else {
          QString target = ToQString(c.opens.name());
          connect(button, &QPushButton::clicked, this, [this, target] { emit navigate(target, true); });
        }
        w = button;
        break;
      }
    }
    w->setGeometry(ToPixels(c.rect));
  }
  // Tab order follows the fields in their display order, then the buttons.
  QWidget* previous = nullptr;
  for (const Item* item : FieldsOf(desc)) {
    QWidget* next = fields_[item->field];
    if (previous != nullptr) setTabOrder(previous, next);
    previous = next;
  }
}

QLineEdit* TopicWindow::field(int n) const {
  auto it = fields_.find(n);
  return it == fields_.end() ? nullptr : it->second;
}

QPushButton* TopicWindow::button(const QString& name) const {
  return findChild<QPushButton*>(name);
}

void TopicWindow::press() {
  FieldSource source = [this](int n) {
    QLineEdit* edit = field(n);
    return edit == nullptr ? std::string() : edit->text().toStdString();
  };
  std::optional<FaultKind> fault = RunPress(desc_, source, surface_->sink());
  surface_->linesChanged();
  if (fault) Reporter()(this, *fault);
}

void TopicWindow::clear() {
  surface_->clear();
}

}  // namespace varnello
