#include "ui/widgets/DropButton.h"

#include <QFocusEvent>

namespace tfd {

TDropButton::TDropButton(QWidget* parent) : QToolButton(parent) {
  setPopupMode(QToolButton::InstantPopup);
  setFocusPolicy(Qt::StrongFocus);
  setAutoRaise(true);
  setToolButtonStyle(Qt::ToolButtonTextOnly);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TDropButton::focusInEvent(QFocusEvent* event) {
  QToolButton::focusInEvent(event);
  // Getting the focus back when its own menu closes is no new focus.
  if (event->reason() != Qt::PopupFocusReason) emit focused();
}

}  // namespace tfd
