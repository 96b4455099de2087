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
  const QString file = QStringLiteral("libvarnello-print.so");
  QStringList reasons;
  for (const QString& folder : folders) {
    QString path = QDir(folder).filePath(file);
    if (!QFileInfo::exists(path)) continue;
    // The library stays loaded when the QLibrary object goes: the dialogs' code and Qt's print
    // support stay mapped once used.
    QLibrary library(path);
    using Entry = const PrintDialogs* (*)();
    if (auto entry = reinterpret_cast<Entry>(library.resolve("varnello_print_dialogs"))) {
      loaded = entry();
      return loaded;
    }
    reasons << library.errorString();
  }
  if (error != nullptr) {
    *error = reasons.isEmpty()
                 ? QStringLiteral("在 %1 中找不到 %2").arg(folders.join(QStringLiteral("、")), file)
                 : reasons.join(QStringLiteral("；"));
  }
  return nullptr;
}

}  // namespace varnello
