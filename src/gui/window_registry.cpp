#include "gui/window_registry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "gui/category_window.h"
#include "gui/main_window.h"
#include "gui/practice_sheet.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"

namespace varnello {

WindowRegistry::WindowRegistry() {
  main_ = new MainWindow();
  windows_[ToQString(kMainWindow)] = main_;
  main_->installEventFilter(this);
  connect(main_, &MainWindow::dispatch, this, [this](const QString& w) { move(main_, w); });
  connect(main_, &MainWindow::menuChosen, this, [this](const QString& w) { show(w); });
  connect(main_, &MainWindow::quitRequested, this, &WindowRegistry::quitRequested);
}

WindowRegistry::~WindowRegistry() {
  for (auto& [name, w] : windows_) delete w.data();
}

QWidget* WindowRegistry::existing(const QString& name) const {
  auto it = windows_.find(name);
  return it == windows_.end() ? nullptr : it->second.data();
}

bool WindowRegistry::available(const QString& name) {
  // Every window exists (the start-up check makes sure); only a malformed name is not available.
  return WindowId::Parse(name.toStdString()).has_value();
}

QWidget* WindowRegistry::create(const QString& name) {
  std::optional<WindowId> id = WindowId::Parse(name.toStdString());
  const WindowEntry* entry = id ? FindWindow(*id) : nullptr;
  if (entry == nullptr) return nullptr;
  QWidget* w = nullptr;
  if (const TopicDesc* t = entry->topic) {
    auto* topic = new TopicWindow(*t);
    AttachPractice(topic);
    connect(topic, &TopicWindow::navigate, this, [this, topic](const QString& to, bool hideSelf) {
      if (hideSelf) {
        move(topic, to);
      } else {
        show(to);
      }
    });
    connect(topic, &TopicWindow::faulted, this, &WindowRegistry::showFault);
    w = topic;
  } else if (const CategoryDesc* c = entry->category) {
    auto* category = new CategoryWindow(*c);
    connect(category, &CategoryWindow::navigate, this,
            [this, category](const QString& to) { move(category, to); });
    w = category;
  } else {
    return nullptr;
  }
  // A window closed with its title-bar button is discarded and created afresh next time.
  w->setAttribute(Qt::WA_DeleteOnClose);
  w->installEventFilter(this);
  windows_[name] = w;
  return w;
}

void FitWithin(QWidget* window, const QSize& room) {
  if (room.isEmpty()) return;
  window->setMinimumSize(window->minimumSize().boundedTo(room));
  window->resize(window->size().boundedTo(room));
}

QWidget* WindowRegistry::show(const QString& name) {
  QWidget* w = existing(name);
  if (w == nullptr) w = create(name);
  if (w == nullptr) return nullptr;
  QSize room;
  if (fitToScreen_ && !w->isVisible() && !w->property("fitted").toBool()) {
    if (const QScreen* screen = w->screen()) {
      // Room for the window manager's frame: a title bar and thin borders.
      constexpr int kFrameWidth = 8, kFrameHeight = 36;
      room = screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
      FitWithin(w, room);
    }
    w->setProperty("fitted", true);
  }
  w->show();
  // Showing lays a main window out afresh (its menu bar's rows measured at a narrow width first):
  // fitted once more when that has settled.
  // And a window the window manager placed partly off the screen is moved onto it.
  if (room.isValid()) {
    QTimer::singleShot(0, w, [w, room] {
      FitWithin(w, room);
      const QRect frame = w->frameGeometry();
      const QRect free = w->screen()->availableGeometry();
      QPoint at(
          std::clamp(frame.left(), free.left(), std::max(free.left(), free.right() + 1 - frame.width())),
          std::clamp(frame.top(), free.top(), std::max(free.top(), free.bottom() + 1 - frame.height())));
      if (at != frame.topLeft()) w->move(at);
    });
  }
  w->raise();
  w->activateWindow();
  return w;
}

void WindowRegistry::move(QWidget* from, const QString& to) {
  if (!available(to)) return;
  from->hide();
  show(to);
}

namespace {

// QWidget::destroy is protected; this names it from outside.
struct NativeWindowAccess : QWidget {
  using QWidget::destroy;
};

// A hidden window gives back its native window and the pixel buffer behind it; showing it
// creates them again. Everything else (fields, printed lines, print position, the focused
// field) lives in the widgets and stays.
void ReleaseNativeWindow(QWidget* w) {
  if (w->isVisible() || !w->testAttribute(Qt::WA_WState_Created)) return;
  QWidget* focus = w->focusWidget();
  (w->*&NativeWindowAccess::destroy)(true, true);
  if (focus != nullptr) focus->setFocus();  // remembered as the window's focus for its next showing
}

}  // namespace

void WindowRegistry::showFault(TopicWindow* window, FaultKind kind) {
  // One box per window: a new fault replaces the box of an earlier one.
  for (QMessageBox* old : window->findChildren<QMessageBox*>(Qt::FindDirectChildrenOnly)) old->close();
  // The figure and the operation that faulted, where the press's working tells them.
  QString what = window->faultText().isEmpty() ? ToQString(FaultMessage(kind)) : window->faultText();
  auto* box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), what, QMessageBox::Ok, window);
  box->setInformativeText(window->faultAdvice(kind));
  // Wide enough that the explanation reads as a few lines, not a narrow column.
  if (auto* info = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
    info->setMinimumWidth(info->fontMetrics().horizontalAdvance(QStringLiteral("计")) * 24);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

bool WindowRegistry::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    // After the hide has run its course, not inside it.
    QTimer::singleShot(0, this, [w = QPointer<QWidget>(static_cast<QWidget*>(watched))] {
      if (w) ReleaseNativeWindow(w);
    });
  }
  if (event->type() == QEvent::Close && watched != main_) {
    // Closing the last visible window would leave the program running with nothing on screen:
    // bring the main window back instead.
    QWidget* closing = static_cast<QWidget*>(watched);
    QTimer::singleShot(0, this, [this, closing = QPointer<QWidget>(closing)] {
      for (auto& [name, w] : windows_) {
        if (w && w != closing && w->isVisible()) return;
      }
      show(ToQString(kMainWindow));
    });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace varnello
