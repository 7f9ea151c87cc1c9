#pragma once
// Placing a dialog in the middle of the window that owns it. Best effort: some
// window systems place top-level windows themselves.

#include <QWidget>

namespace tfd {

inline void CentreOnOwner(QWidget* dialog) {
  const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
  if (!owner || !owner->isVisible()) return;
  const QRect frame = owner->frameGeometry();
  dialog->move(frame.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

}  // namespace tfd
