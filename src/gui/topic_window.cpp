#include "gui/topic_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include "core/layout/layout.h"
#include "gui/app_font.h"
#include "gui/balance_marks.h"
#include "gui/book_window.h"
#include "gui/entry_actions.h"
#include "gui/explanation_panel.h"
#include "gui/field_reading.h"
#include "gui/output_view.h"
#include "gui/qt_convert.h"
#include "gui/voucher_actions.h"

namespace varnello {

namespace {

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

TopicWindow::TopicWindow(const TopicDesc& desc, QWidget* parent)
    : QWidget(parent), desc_(desc), layout_(LayoutTopic(desc)) {
  setWindowTitle(ToQString(desc.id.name()));
  setObjectName(ToQString(desc.id.name()));
  const WindowLayout& layout = layout_;
  resize(ToPixels(layout.width), ToPixels(layout.height));
  setMinimumSize(ToPixels(layout.minWidth), ToPixels(layout.minHeight));

  // The output takes the room the controls leave free and scrolls on its own, so no control
  // ever covers a printed line.
  surface_ = new OutputView(this);
  surface_->setObjectName(QStringLiteral("Output"));
  surface_->setAccessibleName(QStringLiteral("输出"));
  entryActions_ = new EntryActions(
      this, ToQString(desc.id.name()), [this] { return entries(); },
      [this] {
        std::vector<std::pair<QString, QString>> figures;
        for (const Item* item : FieldsOf(desc_))
          figures.emplace_back(ToQString(item->caption), field(item->field)->text());
        return figures;
      });
  entryActions_->attach(surface_);
  AttachVoucherActions(this, desc, surface_, [this] { return entries(); });
  AttachBookActions(this, desc, surface_, [this] { return fieldTexts(); });

  std::map<int, QLabel*> captions;
  std::vector<QWidget*> widgets;
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
        if (c.kind == ControlKind::Section) EmphasiseHeading(label);
        if (c.wrap) {
          label->setWordWrap(true);
          label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        if (c.field != 0) captions[c.field] = label;
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
    widgets.push_back(w);
  }
  controls_ = widgets;
  controlsScroll_ = new QScrollBar(Qt::Vertical, this);
  controlsScroll_->setObjectName(QStringLiteral("ControlsScroll"));
  controlsScroll_->setFocusPolicy(Qt::NoFocus);
  controlsScroll_->hide();
  connect(controlsScroll_, &QScrollBar::valueChanged, this, &TopicWindow::placeInClientArea);
  // A control reached by Tab is scrolled into view.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (controlsScroll_->isHidden() || now == nullptr || now->parentWidget() != this || now == surface_)
      return;
    QRect r = now->geometry();
    constexpr int margin = 8;  // pixels clear of the edge
    if (r.top() < 0) controlsScroll_->setValue(controlsScroll_->value() + r.top() - margin);
    if (r.bottom() >= height())
      controlsScroll_->setValue(controlsScroll_->value() + r.bottom() - height() + margin);
  });
  placeInClientArea();
  // A field is named by its caption, which is what a screen reader announces for it.
  for (auto& [n, label] : captions) {
    label->setBuddy(fields_[n]);
    fields_[n]->setAccessibleName(label->text());
  }
  // Fields in the order they are filled in, then the buttons, then the printed lines.
  ApplyTabOrder(layout, widgets, surface_);
  std::vector<QLineEdit*> filled;
  for (int n : FillOrder(desc)) filled.push_back(fields_[n]);
  WatchFieldReading(filled);
  AttachExplanationKey(this);
}

void TopicWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeInClientArea();
}

void TopicWindow::placeInClientArea() {
  // The client area in twips, counted from the designed size so that every pixel added to the
  // window adds exactly one pixel of output.
  auto twips = [](int pixels, int designed) {
    int given = ToPixels(designed);
    return pixels >= given ? designed + (pixels - given) * kTwipsPerPixel : pixels * kTwipsPerPixel;
  };
  Placement p = PlaceInClientArea(layout_, twips(width(), layout_.width), twips(height(), layout_.height));
  // Lower than the controls stand (a window fitted to a small screen): they scroll.
  const int overflow = ToPixels(layout_.minHeight) - height();
  controlsScroll_->setVisible(overflow > 0);
  controlsScroll_->setRange(0, std::max(0, overflow));
  controlsScroll_->setPageStep(height());
  const int scrollWidth = controlsScroll_->sizeHint().width();
  controlsScroll_->setGeometry(width() - scrollWidth, 0, scrollWidth, height());
  const int dy = controlsScroll_->value();
  QRect output = ToPixels(p.output);
  if (layout_.shape == OutputShape::Below) output.translate(0, -dy);
  surface_->setGeometry(output);
  for (size_t i = 0; i < controls_.size(); ++i) {
    Rect r = layout_.controls[i].rect;
    r.x += p.shift;
    controls_[i]->setGeometry(ToPixels(r).translated(0, -dy));
  }
}

void TopicWindow::wheelEvent(QWheelEvent* event) {
  // Over the controls (which take no wheel of their own) the wheel scrolls them, when they scroll.
  if (controlsScroll_->isVisible()) {
    QApplication::sendEvent(controlsScroll_, event);
  } else {
    QWidget::wheelEvent(event);
  }
}

QLineEdit* TopicWindow::field(int n) const {
  auto it = fields_.find(n);
  return it == fields_.end() ? nullptr : it->second;
}

QPushButton* TopicWindow::button(const QString& name) const {
  return findChild<QPushButton*>(name);
}

std::map<int, std::string> TopicWindow::fieldTexts() const {
  std::map<int, std::string> texts;
  for (const Item* f : FieldsOf(desc_)) texts[f->field] = field(f->field)->text().toStdString();
  return texts;
}

void TopicWindow::press() {
  if (pressHook_ && pressHook_()) return;
  printEntries();
}

void TopicWindow::printEntries() {
  // The press records its working, for the tooltips, 显示算式 and the fault message.
  std::map<int, std::string> texts = fieldTexts();
  const EntryRecord& record = surface_->record();
  PressInto(desc_, FieldTexts(texts), surface_->record(), true);
  faultText_ = ToQString(record.faultText());
  faultFields_ = record.faultFields();
  surface_->linesChanged();
  MarkUnbalancedEntries(*surface_, FieldCaptions(desc_));
  if (record.fault()) emit faulted(this, *record.fault());
}

QString TopicWindow::faultAdvice(FaultKind kind) const {
  std::map<int, std::string> texts = fieldTexts();
  if (faultFields_.empty()) return ToQString(FaultAdvice(desc_, kind, FieldTexts(texts)));
  return ToQString(FaultAdvice(desc_, kind, FieldTexts(texts), faultFields_));
}

void TopicWindow::clear() {
  surface_->clearOutput();
}

std::vector<Entry> TopicWindow::entries() const {
  return EntriesOf(surface_->record());
}

}  // namespace varnello
