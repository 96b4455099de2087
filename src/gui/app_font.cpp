#include "gui/app_font.h"

#include <QApplication>
#include <QFont>

namespace varnello {

void InstallAppFont() {
  QFont::insertSubstitutions(QStringLiteral("宋体"),
                             {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                              QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                              QStringLiteral("WenQuanYi Zen Hei")});
  QApplication::setFont(QFont(QStringLiteral("宋体"), 9));
}

}  // namespace varnello
