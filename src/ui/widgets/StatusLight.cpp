#include "ui/widgets/StatusLight.h"

#include <QImage>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace tfd {

namespace {

constexpr int kLamps = 13;
constexpr int kLampWidth = 6;  // plus one pixel of gap: 13 x 7 = 91, one pixel border each side

QColor StatusColor(int status) {
  switch (status) {
    case 1: return QColor(255, 200, 20);
    case 2: return QColor(240, 40, 30);
    default: return QColor(40, 225, 70);
  }
}

// Brightness 0..1 of each lamp in a frame.
std::array<double, kLamps> LampLevels(int frame) {
  std::array<double, kLamps> level{};
  if (frame == 0) {
    // Still: every lamp faintly lit, the middle three glowing.
    level.fill(0.18);
    level[5] = level[7] = 0.6;
    level[6] = 1.0;
    return level;
  }
  // Twelve steps of a ping-pong over the lamps: 0, 2, 4, ..., 12, 10, ..., 2.
  const int step = frame - 1;
  const int head = step <= 6 ? step * 2 : (12 - step) * 2;
  // The trail lies on the side the light came from; at the left end it has
  // just turned, coming from the right.
  const int behind = (step >= 1 && step <= 6) ? -1 : 1;
  for (double& l : level) l = 0.08;
  level[head] = 1.0;
  for (int k = 1; k <= 3; ++k) {
    const int at = head + behind * k;
    if (at >= 0 && at < kLamps) level[at] = std::max(level[at], 0.65 / k);
  }
  return level;
}

QPixmap DrawFrame(int status, int frame) {
  QImage image(kStatusLightWidth, kStatusLightHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // The housing: a dark rounded bar with a lighter rim.
  const QRectF housing(0.5, 0.5, kStatusLightWidth - 1.0, kStatusLightHeight - 1.0);
  QLinearGradient body(0, 0, 0, kStatusLightHeight);
  body.setColorAt(0.0, QColor(70, 72, 78));
  body.setColorAt(1.0, QColor(18, 19, 22));
  p.setPen(QPen(QColor(120, 124, 132), 1.0));
  p.setBrush(body);
  p.drawRoundedRect(housing, 3, 3);

  const QColor lit = StatusColor(status);
  const QColor dark = lit.darker(520);
  const auto level = LampLevels(frame);
  auto lampRect = [](int i) { return QRectF(2 + i * 7, 3, kLampWidth - 1, kStatusLightHeight - 6); };
  p.setPen(Qt::NoPen);
  for (int i = 0; i < kLamps; ++i) {
    const double l = level[static_cast<std::size_t>(i)];
    QColor c;
    c.setRgbF(dark.redF() + (lit.redF() - dark.redF()) * l,
              dark.greenF() + (lit.greenF() - dark.greenF()) * l,
              dark.blueF() + (lit.blueF() - dark.blueF()) * l);
    p.setBrush(c);
    p.drawRoundedRect(lampRect(i), 1.2, 1.2);
  }
  // The bright lamps glow over their neighbours and carry a highlight on top.
  for (int i = 0; i < kLamps; ++i) {
    const double l = level[static_cast<std::size_t>(i)];
    if (l <= 0.5) continue;
    const QRectF lamp = lampRect(i);
    QRadialGradient glow(lamp.center(), 7.0);
    QColor halo = lit;
    halo.setAlphaF(0.5 * l);
    glow.setColorAt(0.0, halo);
    halo.setAlphaF(0.0);
    glow.setColorAt(1.0, halo);
    p.setBrush(glow);
    p.drawEllipse(lamp.center(), 7.0, 6.0);
    p.setBrush(QColor(255, 255, 255, static_cast<int>(150 * l)));
    p.drawRoundedRect(QRectF(lamp.left() + 1, lamp.top() + 1, lamp.width() - 2, 2), 1, 1);
  }
  p.end();
  return QPixmap::fromImage(image);
}

}  // namespace

QPixmap StatusLightFrame(int status, int frame) {
  // Never freed: pixmaps must not outlive the application object, and a static
  // array would be destroyed after it.
  static auto* cache = new std::array<QPixmap, 3 * kStatusLightFrames>;
  status = std::clamp(status, 0, 2);
  frame = std::clamp(frame, 0, kStatusLightFrames - 1);
  QPixmap& slot = (*cache)[static_cast<std::size_t>(status * kStatusLightFrames + frame)];
  if (slot.isNull()) slot = DrawFrame(status, frame);
  return slot;
}

TStatusLight::TStatusLight(QWidget* parent) : QLabel(parent) {
  setFixedSize(kStatusLightWidth, kStatusLightHeight);
  setCursor(Qt::PointingHandCursor);
  setPixmap(StatusLightFrame(0, 0));
}

void TStatusLight::setFrame(int status, int frame) {
  status = std::clamp(status, 0, 2);
  frame = std::clamp(frame, 0, kStatusLightFrames - 1);
  if (status == status_ && frame == frame_) return;
  status_ = status;
  frame_ = frame;
  setPixmap(StatusLightFrame(status, frame));
}

void TStatusLight::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace tfd
