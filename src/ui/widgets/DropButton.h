#pragma once
// A flat button that opens its menu on a plain click. It takes the focus when
// clicked or tabbed to (a menu may need to know which button got the focus),
// carries an integer tag and shows the menu arrow.

#include <QToolButton>

namespace tfd {

class TDropButton : public QToolButton {
  Q_OBJECT

 public:
  explicit TDropButton(QWidget* parent = nullptr);

  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }

 signals:
  // The button got the focus (a click, Tab, a shortcut); not sent again when
  // the focus comes back from the button's own menu.
  void focused();

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  int tag_ = 0;
};

}  // namespace tfd
