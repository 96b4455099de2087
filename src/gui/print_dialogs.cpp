// The print module: Qt's print and print-preview dialogs over a high-resolution printer.
#include "gui/print_dialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

void Preview(QWidget* parent, const QString& title, const QString& docName,
             const varnello::PaintPrintout& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(docName);
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(title);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&paint](QPrinter* p) { paint(p); });
  dialog.exec();
}

bool Print(QWidget* parent, const QString& title, const QString& docName,
           const varnello::PaintPrintout& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(docName);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(title);
  if (dialog.exec() != QDialog::Accepted) return false;
  paint(&printer);
  return true;
}

const varnello::PrintDialogs kDialogs{Preview, Print};

}  // namespace

extern "C" Q_DECL_EXPORT const varnello::PrintDialogs* varnello_print_dialogs() {
  return &kDialogs;
}
