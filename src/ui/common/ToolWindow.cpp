#include "ui/common/ToolWindow.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

namespace tfd {

void MakeToolWindow(QDialog& window) {
  window.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  window.setModal(true);
}

void CentreOnParent(QWidget& window) {
  const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
  QRect over;
  if (owner && owner->isVisible())
    over = owner->frameGeometry();
  else if (const QScreen* screen = QGuiApplication::primaryScreen())
    over = screen->availableGeometry();
  if (over.isEmpty()) return;
  window.adjustSize();
  QRect frame = window.frameGeometry();
  frame.moveCenter(over.center());
  window.move(frame.topLeft());
}

}  // namespace tfd
