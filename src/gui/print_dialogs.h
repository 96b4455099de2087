// The print and print-preview dialogs. They live in a module of their own (libvarnello-print.so),
// loaded the first time the user prints: the program itself does not link Qt's print support, so
// start-up neither maps nor relocates it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace varnello {

// Paints the printout onto the printer the dialog has set up.
using PaintPrintout = std::function<void(QPagedPaintDevice*)>;

// What the module offers. Both dialogs are modal to `parent` and print at high resolution into a
// document named `docName`.
struct PrintDialogs {
  // Shows the preview; `paint` is called whenever the preview needs the pages.
  void (*preview)(QWidget* parent, const QString& title, const QString& docName, const PaintPrintout& paint);
  // Shows the print dialog and, once the user accepts it, paints onto the chosen printer; false
  // when the user cancels.
  bool (*print)(QWidget* parent, const QString& title, const QString& docName, const PaintPrintout& paint);
};

// The folders searched for the module: the installed program's own (relative to its binary),
// then the binary's folder (the build tree).
QStringList PrintModuleFolders();
// Loads the module from the first of `folders` that holds it, once; later calls return the loaded
// dialogs. Null when no folder holds a module that loads, with the loader's reason in `error`.
const PrintDialogs* LoadPrintDialogs(const QStringList& folders, QString* error);

}  // namespace varnello

// The module's one entry point, looked up by name.
extern "C" const varnello::PrintDialogs* varnello_print_dialogs();
