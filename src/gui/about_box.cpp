#include "gui/about_box.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>

namespace varnello {

void AttachAboutBox(QWidget* window) {
  auto* about = new QAction(QStringLiteral("关于 Varnello"), window);
  about->setObjectName(QStringLiteral("AboutAction"));
  about->setShortcut(QKeySequence(Qt::Key_F1));
  about->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(about, &QAction::triggered, window, [window] { ShowAboutBox(window); });
  window->addAction(about);
  window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QWidget* ShowAboutBox(QWidget* window) {
  const QString name = QStringLiteral("AboutBox");
  auto* box = window->findChild<QMessageBox*>(name, Qt::FindDirectChildrenOnly);
  if (box == nullptr) {
    box = new QMessageBox(window);
    box->setObjectName(name);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Like the program's other windows, the box does not block them.
    box->setModal(false);
    box->setWindowTitle(QStringLiteral("关于 Varnello"));
    box->setTextFormat(Qt::RichText);
    box->setText(QStringLiteral("<b>Varnello %1</b>").arg(QStringLiteral(VARNELLO_VERSION)));
    // Each line ends at a phrase boundary, and the text is given the width of its longest line,
    // so nothing wraps in the middle of a phrase.
    const QStringList lines{QStringLiteral("按中国会计实务计算会计分录。"),
                            QStringLiteral("输入关键字（如买股票、工资），按确定，打开业务的窗口；"),
                            QStringLiteral("填入数字，按确定，窗口列出会计分录。"),
                            QStringLiteral("命令行程序 varnello-cli 计算同样的分录。"),
                            QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion()))};
    box->setInformativeText(QStringLiteral("<p>%1</p><p>%2<br>%3</p><p>%4</p><p>%5</p>")
                                .arg(lines[0], lines[1], lines[2], lines[3], lines[4]));
    if (auto* info = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
      int widest = 0;
      for (const QString& line : lines)
        widest = std::max(widest, info->fontMetrics().horizontalAdvance(line));
      info->setMinimumWidth(widest + 2 * info->margin() + 4);
    }
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) box->setIconPixmap(icon.pixmap(64, 64));
    box->addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
  }
  box->show();
  box->raise();
  box->activateWindow();
  return box;
}

}  // namespace varnello
