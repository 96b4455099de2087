// The application font, in a file of its own so that the start-up yardstick (bench/bare_window)
// opens exactly the same font as the program.
#include "gui/app_font.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

namespace varnello {

void InstallAppFont() {
  QFont::insertSubstitutions(QStringLiteral("宋体"),
                             {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                              QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                              QStringLiteral("WenQuanYi Zen Hei")});
  QFont font(QStringLiteral("宋体"), 9);
  // At 9 pt on a screen of ordinary density (12 pixels to the em) the Song face's thin strokes
  // antialias to pale grey; drawn without antialiasing they come out solid black and sharp, as
  // 9-pt Song text is meant to look. On high-density screens there are pixels enough for the
  // outlines: antialiasing keeps them smooth.
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || screen->devicePixelRatio() < 1.5) font.setStyleStrategy(QFont::NoAntialias);
  QApplication::setFont(font);
}

}  // namespace varnello
