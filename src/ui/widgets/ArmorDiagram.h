#pragma once
// The armour diagram of the Armor tab: a front view of the machine's body in
// outline, with the location whose armour is being edited filled in. As on a
// record sheet the machine faces the viewer, so its right side is on the left.

#include <QColor>
#include <QPainterPath>
#include <QTransform>
#include <QWidget>

namespace tfd {

class TArmorDiagram : public QWidget {
  Q_OBJECT

 public:
  // Pictures: 0 nothing, 1 head, 2 centre torso, 3 right torso, 4 left torso,
  // 5 right arm, 6 left arm, 7 right leg, 8 left leg, 9 both side torsos,
  // 10 both arms, 11 both legs. With four legs the arms are the front legs and
  // the legs the rear legs.
  static constexpr int kPictures = 12;

  explicit TArmorDiagram(QWidget* parent = nullptr);

  void setPicture(int picture);  // out of range shows picture 0
  int picture() const { return picture_; }
  void setQuad(bool quad);
  bool quad() const { return quad_; }
  void setHighlightColor(QColor color);
  QColor highlightColor() const { return highlight_; }

  // Body locations (0 head .. 7 left leg) a picture fills.
  static QList<int> HighlightedLocations(int picture);
  // The outline of a body location in widget coordinates (the body is drawn
  // as large as the widget allows, centred).
  QPainterPath locationShape(int location) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // From the body's drawing coordinates to the widget's.
  QTransform BodyTransform() const;

  int picture_ = 0;
  bool quad_ = false;
  QColor highlight_{230, 110, 30};
};

}  // namespace tfd
