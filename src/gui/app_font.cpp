// The application font, in a file of its own so that the start-up yardstick (bench/bare_window)
// opens exactly the same font as the program.
#include "gui/app_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPalette>
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

void InstallAppLook() {
  QPalette palette = QApplication::palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    QColor text = palette.color(group, QPalette::Text);
    QColor base = palette.color(group, QPalette::Base);
    auto mix = [](int a, int b) { return (a * 45 + b * 55) / 100; };
    palette.setColor(
        group, QPalette::PlaceholderText,
        QColor(mix(text.red(), base.red()), mix(text.green(), base.green()), mix(text.blue(), base.blue())));
  }
  QApplication::setPalette(palette);
  // The styles draw the focus mark only in a window whose focus last moved by the keyboard; a
  // mnemonic (Alt+P) does not count as such, so the mark is asked for on every change.
  QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
    if (now == nullptr || now->window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    now->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    now->update();
  });
}

namespace {

bool FamilyHasBold(const QString& family) {
  for (const QString& style : QFontDatabase::styles(family)) {
    if (QFontDatabase::weight(family, style) >= QFont::DemiBold) return true;
  }
  return false;
}

}  // namespace

bool HasBoldFace(const QFont& font) {
  return FamilyHasBold(QFontInfo(font).family());
}

void EmphasiseHeading(QLabel* label) {
  QFont font = label->font();
  if (HasBoldFace(font)) {
    font.setBold(true);
    label->setFont(font);
    return;
  }
  // A CJK face installed with a bold weight, when the label's own has none.
  static const QString other = [] {
    for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese)) {
      if (FamilyHasBold(family)) return family;
    }
    return QString();
  }();
  if (!other.isEmpty()) {
    font.setFamilies({other});
    font.setBold(true);
    label->setFont(font);
    return;
  }
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0x1f, 0x3f, 0x8f));
  label->setPalette(palette);
}

}  // namespace varnello
