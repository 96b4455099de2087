// Development tool: renders windows to PNG files without a display, for looking at layouts.
//   varnello-snapshot OUT_DIR [WINDOW[:TextN=V,TextM=W] ...]
// Without window names it renders every window. With field values it presses 确定 first.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "gui/app_font.h"
#include "gui/main_window.h"
#include "gui/qt_translations.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  varnello::InstallAppFont();
  varnello::InstallQtTranslations();
  if (argc < 2) {
    std::fprintf(stderr, "usage: varnello-snapshot OUT_DIR [WINDOW[:TextN=V,...] ...]\n");
    return 2;
  }
  QDir out(QString::fromLocal8Bit(argv[1]));
  out.mkpath(QStringLiteral("."));
  QStringList requests;
  for (int i = 2; i < argc; ++i) requests << QString::fromLocal8Bit(argv[i]);
  if (requests.isEmpty()) {
    for (const varnello::WindowEntry& w : varnello::Windows()) {
      requests << QString::fromUtf8(w.id.name().data(), static_cast<qsizetype>(w.id.name().size()));
    }
  }
  varnello::WindowRegistry windows;
  for (const QString& request : requests) {
    QString name = request.section(QLatin1Char(':'), 0, 0);
    QString values = request.section(QLatin1Char(':'), 1);
    QWidget* w = windows.show(name);
    if (w == nullptr) {
      std::fprintf(stderr, "%s: not available\n", qPrintable(name));
      continue;
    }
    if (auto* topic = qobject_cast<varnello::TopicWindow*>(w); topic && !values.isEmpty()) {
      QObject::connect(topic, &varnello::TopicWindow::faulted, topic,
                       [](varnello::TopicWindow*, varnello::FaultKind k) {
                         std::fprintf(stderr, "fault: %s\n", varnello::FaultName(k).data());
                       });
      for (const QString& assignment : values.split(QLatin1Char(','))) {
        QString fieldName = assignment.section(QLatin1Char('='), 0, 0);
        QLineEdit* field = topic->field(varnello::FieldNumber(fieldName.toStdString()));
        if (field == nullptr) {
          std::fprintf(stderr, "%s: no field %s\n", qPrintable(name), qPrintable(fieldName));
          continue;
        }
        field->setText(assignment.section(QLatin1Char('='), 1));
      }
      topic->press();
    }
    app.processEvents();
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
    w->hide();
  }
  return 0;
}
