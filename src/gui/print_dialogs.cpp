// The print module: Qt's print and print-preview dialogs over a high-resolution printer.
#include "gui/print_dialogs.h"

#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

namespace {

// Shows the preview, or the print dialog and then prints; false when the user cancels printing.
bool Run(bool preview, QWidget* parent, const QString& title, const QString& docName,
         const varnello::PaintPrintout& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(docName);
  if (preview) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* p) { paint(p); });
    // Large enough to read: most of the screen, the page fitted to the width.
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
      QRect room = screen->availableGeometry();
      dialog.resize(room.width() * 3 / 4, room.height() * 9 / 10 - 48);
    }
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>())
      view->setZoomMode(QPrintPreviewWidget::FitToWidth);
    dialog.exec();
    return true;
  }
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(title);
  if (dialog.exec() != QDialog::Accepted) return false;
  paint(&printer);
  return true;
}

const varnello::PrintDialogs kDialogs{
    [](QWidget* parent, const QString& title, const QString& docName, const varnello::PaintPrintout& paint) {
      Run(true, parent, title, docName, paint);
    },
    [](QWidget* parent, const QString& title, const QString& docName, const varnello::PaintPrintout& paint) {
      return Run(false, parent, title, docName, paint);
    }};

}  // namespace

extern "C" Q_DECL_EXPORT const varnello::PrintDialogs* varnello_print_dialogs() {
  return &kDialogs;
}
