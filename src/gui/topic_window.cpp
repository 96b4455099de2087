#include "gui/topic_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/layout/layout.h"
#include "gui/balance_marks.h"
#include "gui/entry_actions.h"
#include "gui/field_reading.h"
#include "gui/output_view.h"
#include "gui/practice_sheet.h"
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

TopicWindow::TopicWindow(const TopicDesc& desc, QWidget* parent) : QWidget(parent), desc_(desc) {
  setWindowTitle(ToQString(desc.id.name()));
  setObjectName(ToQString(desc.id.name()));
  WindowLayout layout = LayoutTopic(desc);
  resize(ToPixels(layout.width), ToPixels(layout.height));
  setMinimumSize(ToPixels(layout.minWidth), ToPixels(layout.minHeight));

  // The output covers the whole client area and grows and shrinks with it; the controls stand
  // above it, so a printed line that runs under a control is hidden by it where they overlap.
  surface_ = new OutputView(this);
  surface_->setGeometry(rect());
  surface_->setObjectName(QStringLiteral("Output"));
  surface_->setAccessibleName(QStringLiteral("输出"));
  printed_ = std::make_unique<LineRecorder>(&surface_->sink());
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

  QFont bold = font();
  bold.setBold(true);
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
        if (c.kind == ControlKind::Section) label->setFont(bold);
        if (c.wrap) {
          label->setWordWrap(true);
          label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        label->setAutoFillBackground(true);  // hides the printed lines beneath it
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
    w->setGeometry(ToPixels(c.rect));
    widgets.push_back(w);
  }
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
  AttachPractice(this);
}

void TopicWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  surface_->setGeometry(rect());
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
  Working working(FieldCaptions(desc_));
  const OutputBuffer& printed = surface_->buffer();
  size_t first = printed.lines().size() - (printed.lastLineOpen() ? 1 : 0);
  std::map<int, std::string> texts = fieldTexts();
  std::optional<FaultKind> fault = RunPress(desc_, FieldTexts(texts), *printed_, &working);
  std::vector<WorkingLine> lines = working.Lines();
  surface_->addWorking(first, lines);
  faultText_ = ToQString(working.FaultText());
  surface_->linesChanged();
  MarkUnbalancedEntries(*surface_, entries(), first, lines, FieldCaptions(desc_), fault.has_value());
  if (fault) emit faulted(this, *fault);
}

QString TopicWindow::faultAdvice(FaultKind kind) const {
  return ToQString(FaultAdvice(desc_, kind, FieldTexts(fieldTexts())));
}

void TopicWindow::clear() {
  printed_->ClearOutput();
  surface_->clearOutput();
}

std::vector<Entry> TopicWindow::entries() const {
  // The recorded parts, while they are what the view shows; else the shown text read back.
  const TextLines& shown = surface_->buffer().lines();
  const std::vector<PrintedLine>& recorded = printed_->lines();
  if (recorded.size() == shown.size() && (shown.empty() || recorded.back().Render() == shown.back())) {
    return EntriesOf(recorded);
  }
  return EntriesOf(shown.ToStrings());
}

}  // namespace varnello
