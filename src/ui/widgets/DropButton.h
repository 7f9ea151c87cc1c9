#pragma once
// A button that opens its menu on a plain click, drawn as a button with its
// caption (or icon) and the menu arrow beside it. It takes the focus when clicked or
// tabbed to (a menu may need to know which button got the focus) and carries
// an integer tag. A disabled one is drawn flat, without its raised face, in
// the palette's disabled colours, so it reads as disabled in any scheme.

#include <QToolButton>

class QStyleOptionToolButton;

namespace tfd {

class TDropButton : public QToolButton {
  Q_OBJECT

 public:
  explicit TDropButton(QWidget* parent = nullptr);

  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // Where the arrow is drawn, right of the caption.
  QRect arrowRect() const;

 signals:
  // The button got the focus (a click, Tab, a shortcut); not sent again when
  // the focus comes back from the button's own menu.
  void focused();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int ArrowSize() const;
  bool ShowsIcon() const;
  bool ShowsText() const;
  int Margin() const;

  int tag_ = 0;
};

}  // namespace tfd
