// The application font, in a file of its own so that the start-up yardstick (bench/bare_window)
// opens exactly the same font as the program.
#include <QApplication>
#include <QFont>

#include "gui/main_window.h"

namespace varnello {

void InstallAppFont() {
  QFont::insertSubstitutions(QStringLiteral("宋体"),
                             {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                              QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                              QStringLiteral("WenQuanYi Zen Hei")});
  QApplication::setFont(QFont(QStringLiteral("宋体"), 9));
}

}  // namespace varnello
