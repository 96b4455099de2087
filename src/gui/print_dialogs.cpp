// The print module: Qt's print and print-preview dialogs over a high-resolution printer.
#include "gui/print_dialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

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
