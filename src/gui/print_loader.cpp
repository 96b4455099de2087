#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "gui/print_dialogs.h"

namespace varnello {

QStringList PrintModuleFolders() {
  QDir bin(QCoreApplication::applicationDirPath());
  return {QDir::cleanPath(bin.filePath(QLatin1String(VARNELLO_PRINT_MODULE_DIR))), bin.path()};
}

const PrintDialogs* LoadPrintDialogs(const QStringList& folders, QString* error) {
  static const PrintDialogs* loaded = nullptr;
  if (loaded != nullptr) return loaded;
  QStringList reasons;
  for (const QString& folder : folders) {
    QString path = QDir(folder).filePath(QStringLiteral("libvarnello-print.so"));
    if (!QFileInfo::exists(path)) continue;
    // Kept loaded to the end: the dialogs' code and Qt's print support stay mapped once used.
    auto* library = new QLibrary(path);
    using Entry = const PrintDialogs* (*)();
    if (auto entry = reinterpret_cast<Entry>(library->resolve("varnello_print_dialogs"))) {
      loaded = entry();
      return loaded;
    }
    reasons << library->errorString();
    delete library;
  }
  if (error != nullptr) {
    *error =
        reasons.isEmpty()
            ? QStringLiteral("在 %1 中找不到 libvarnello-print.so").arg(folders.join(QStringLiteral("、")))
            : reasons.join(QStringLiteral("；"));
  }
  return nullptr;
}

}  // namespace varnello
