#include "ui/widgets/ArmorDiagram.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QResizeEvent>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace tfd {

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 170;
constexpr int kLocations = 8;

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

// The same outline reflected about the body's centre line.
QPainterPath Mirrored(const QPainterPath& path) {
  QTransform flip;
  flip.translate(kWidth, 0);
  flip.scale(-1, 1);
  return flip.map(path);
}

QPainterPath Head(double top) {
  QPainterPath path;
  path.addRoundedRect(QRectF(63, top, 24, 20), 6, 6);
  return path;
}

// Outlines of the two-legged body, in the order of the location codes.
std::array<QPainterPath, kLocations> BipedShapes() {
  std::array<QPainterPath, kLocations> s;
  s[0] = Head(8);
  s[1] = Polygon({{59, 31}, {91, 31}, {94, 58}, {87, 93}, {63, 93}, {56, 58}});
  s[2] = Polygon({{35, 37}, {57, 32}, {54, 58}, {61, 90}, {42, 88}, {34, 62}});
  s[3] = Mirrored(s[2]);
  s[4] = Polygon({{11, 38}, {30, 35}, {31, 62}, {28, 104}, {26, 120}, {14, 120}, {11, 104}, {8, 62}});
  s[5] = Mirrored(s[4]);
  s[6] = Polygon({{46, 96}, {72, 96}, {71, 128}, {69, 148}, {73, 164}, {41, 164}, {48, 148}, {47, 128}});
  s[7] = Mirrored(s[6]);
  return s;
}

// Four legs: the front legs (codes 4 and 5) outside, the rear legs inside.
std::array<QPainterPath, kLocations> QuadShapes() {
  std::array<QPainterPath, kLocations> s;
  s[0] = Head(12);
  s[1] = Polygon({{59, 35}, {91, 35}, {93, 60}, {89, 84}, {61, 84}, {57, 60}});
  s[2] = Polygon({{20, 44}, {57, 36}, {55, 60}, {59, 84}, {20, 84}, {16, 62}});
  s[3] = Mirrored(s[2]);
  s[4] = Polygon({{13, 88}, {40, 88}, {39, 128}, {37, 148}, {43, 164}, {8, 164}, {15, 148}, {14, 128}});
  s[5] = Mirrored(s[4]);
  s[6] = Polygon({{46, 88}, {71, 88}, {70, 124}, {68, 146}, {73, 160}, {43, 160}, {48, 146}, {47, 124}});
  s[7] = Mirrored(s[6]);
  return s;
}

const std::array<const char*, kLocations> kBipedLabels{"H", "CT", "RT", "LT", "RA", "LA", "RL", "LL"};
const std::array<const char*, kLocations> kQuadLabels{"H", "CT", "RT", "LT", "RFL", "LFL", "RRL", "LRL"};

}  // namespace

TArmorDiagram::TArmorDiagram(QWidget* parent) : QWidget(parent) {
  // The body grows with the page and never shrinks below its drawn size.
  setMinimumSize(kWidth, kHeight);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  resize(kWidth, kHeight);
}

void TArmorDiagram::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The width it asks for follows its height, so that the controls around it
  // stay close to the body.
  if (event->size().height() != event->oldSize().height()) updateGeometry();
}

QTransform TArmorDiagram::BodyTransform() const {
  const double scale = std::min(width() / double(kWidth), height() / double(kHeight));
  QTransform t;
  t.translate((width() - kWidth * scale) / 2, (height() - kHeight * scale) / 2);
  t.scale(scale, scale);
  return t;
}

void TArmorDiagram::setPicture(int picture) {
  if (picture < 0 || picture >= kPictures) picture = 0;
  if (picture_ == picture) return;
  picture_ = picture;
  update();
}

void TArmorDiagram::setQuad(bool quad) {
  if (quad_ == quad) return;
  quad_ = quad;
  update();
}

void TArmorDiagram::setHighlightColor(QColor color) {
  highlight_ = color;
  update();
}

QList<int> TArmorDiagram::HighlightedLocations(int picture) {
  switch (picture) {
    case 1: return {0};
    case 2: return {1};
    case 3: return {2};
    case 4: return {3};
    case 5: return {4};
    case 6: return {5};
    case 7: return {6};
    case 8: return {7};
    case 9: return {2, 3};
    case 10: return {4, 5};
    case 11: return {6, 7};
    default: return {};
  }
}

QPainterPath TArmorDiagram::locationShape(int location) const {
  if (location < 0 || location >= kLocations) return {};
  const auto shapes = quad_ ? QuadShapes() : BipedShapes();
  return BodyTransform().map(shapes[static_cast<std::size_t>(location)]);
}

QSize TArmorDiagram::sizeHint() const {
  return {std::max(kWidth, height() * kWidth / kHeight), kHeight * 3 / 2};
}
QSize TArmorDiagram::minimumSizeHint() const { return {kWidth, kHeight}; }

void TArmorDiagram::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setTransform(BodyTransform());
  const auto shapes = quad_ ? QuadShapes() : BipedShapes();
  const auto& labels = quad_ ? kQuadLabels : kBipedLabels;
  const QList<int> lit = HighlightedLocations(picture_);

  // Rear legs of a four-legged machine stand behind the body: draw them first.
  std::array<int, kLocations> order{0, 1, 2, 3, 4, 5, 6, 7};
  if (quad_) order = {6, 7, 0, 1, 2, 3, 4, 5};

  QFont small = font();
  small.setPixelSize(9);
  small.setBold(true);
  p.setFont(small);

  const QColor outline(52, 56, 64);
  for (const int loc : order) {
    const QPainterPath& shape = shapes[static_cast<std::size_t>(loc)];
    const QRectF box = shape.boundingRect();
    const bool on = lit.contains(loc);
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    if (on) {
      fill.setColorAt(0.0, highlight_.lighter(125));
      fill.setColorAt(1.0, highlight_.darker(115));
    } else {
      fill.setColorAt(0.0, QColor(222, 225, 230));
      fill.setColorAt(1.0, QColor(170, 175, 184));
    }
    p.setPen(QPen(outline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
    p.setPen(on ? QColor(Qt::white) : outline);
    p.drawText(box, Qt::AlignCenter, QString::fromLatin1(labels[static_cast<std::size_t>(loc)]));
  }
}

}  // namespace tfd
