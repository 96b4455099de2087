// The one window class of all topic windows, built from a topic description.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/layout/layout.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace varnello {

class EntryActions;
class OutputView;

class TopicWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TopicWindow(const TopicDesc& desc, QWidget* parent = nullptr);

  const TopicDesc& desc() const { return desc_; }
  QLineEdit* field(int n) const;
  QPushButton* button(const QString& name) const;
  // The output view: the printed lines.
  OutputView* surface() const { return surface_; }

  // 确定: prints the entries (emits faulted when a fault ended the press), unless the press hook
  // takes the press over (practice).
  void press();
  // Reads the fields, prints the entries, reports a fault.
  void printEntries();
  void setPressHook(std::function<bool()> hook) { pressHook_ = std::move(hook); }
  // 取消: clears the printed lines.
  void clear();
  // The fields' current texts by field number.
  std::map<int, std::string> fieldTexts() const;
  // What a fault means for the user, with the fields to look at (those the faulting figure used,
  // when the last press faulted), from the fields' current texts.
  QString faultAdvice(FaultKind kind) const;

  // What faulted in the last press, in words ("计算 每年租金 = 付款总额 ÷ 租期 时除数为零：租期 为 0");
  // empty when it ended without a fault.
  const QString& faultText() const { return faultText_; }

  // The entries of the printed lines, and the actions that take them elsewhere (copy as a table,
  // save as CSV, print, capital numerals).
  std::vector<Entry> entries() const;
  EntryActions* entryActions() const { return entryActions_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 signals:
  // A button or linked caption asks for another window; hideSelf first when set.
  void navigate(const QString& window, bool hideSelf);
  // A press ended in an arithmetic fault; the lines printed before it stay.
  void faulted(TopicWindow* window, FaultKind kind);

 private:
  // Places the output in the room the controls leave free at the present size, and the controls
  // beside it, scrolled when the window is lower than they stand.
  void placeInClientArea();

  const TopicDesc& desc_;
  WindowLayout layout_;
  // The widget of each control of layout_, in the same order.
  std::vector<QWidget*> controls_;
  // Scrolls the controls of a window made lower than they stand (on a small screen).
  QScrollBar* controlsScroll_;
  OutputView* surface_;
  EntryActions* entryActions_;
  std::map<int, QLineEdit*> fields_;
  std::function<bool()> pressHook_;
  QString faultText_;
  std::vector<int> faultFields_;
};

}  // namespace varnello
