// Creates each window the first time it is shown (at most one of each), and carries out the
// navigation between windows.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>

#include "core/engine/fault.h"

namespace varnello {

class MainWindow;
class TopicWindow;

// Makes a window no larger than `room` (the client area a screen leaves it), lowering its minimum
// size where that is larger; a topic window then scrolls its controls. Nothing changes for a
// window that fits.
void FitWithin(QWidget* window, const QSize& room);

class WindowRegistry : public QObject {
  Q_OBJECT
 public:
  WindowRegistry();
  ~WindowRegistry() override;

  MainWindow* mainWindow() const { return main_; }
  // The window if it exists now (not discarded), else nullptr.
  QWidget* existing(const QString& name) const;
  // Whether the window can be shown (the main window, a category window or a built topic window).
  static bool available(const QString& name);
  // Shows a window, creating it on first use, and brings it to the front. Returns it, or nullptr
  // for a window that is not available.
  QWidget* show(const QString& name);
  // Hides `from`, then shows `to` (when `to` is available; otherwise nothing happens).
  void move(QWidget* from, const QString& to);
  // Windows open no larger than the free area of the screen they open on (the program's own
  // windows); off by default, so that windows keep their designed sizes wherever they are shown.
  void setFitToScreen(bool fit) { fitToScreen_ = fit; }

 signals:
  void quitRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* create(const QString& name);
  // The fault's message box: the window's name in its title, the fault and what it means.
  void showFault(TopicWindow* window, FaultKind kind);
  MainWindow* main_;
  std::map<QString, QPointer<QWidget>> windows_;
  bool fitToScreen_ = false;
};

}  // namespace varnello
