#include "gui/about_box.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

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
    box->setInformativeText(QStringLiteral("<p>按中国会计实务计算会计分录。</p>"
                                           "<p>输入关键字（如买股票、工资），按确定，打开业务的窗口；<br>"
                                           "填入数字，按确定，窗口列出会计分录。</p>"
                                           "<p>命令行程序 varnello-cli 计算同样的分录。</p>"
                                           "<p>Qt %1</p>")
                                .arg(QString::fromLatin1(qVersion())));
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
