#pragma once
// The auxiliary windows of the main window: modal tool windows with a title
// and no system buttons, shown centred on the window that owns them.

class QDialog;
class QWidget;

namespace tfd {

// Title bar only: no close, minimise, maximise or help buttons.
void MakeToolWindow(QDialog& window);
// Centres the window on its parent (on the screen without one). Window
// managers may place it elsewhere; this is a wish, not a promise.
void CentreOnParent(QWidget& window);

}  // namespace tfd
