#include "ui/widgets/TitanframeArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <initializer_list>

namespace tfd {

namespace {

// The machine is drawn in a 100 x 120 frame.
constexpr double kArtWidth = 100.0;
constexpr double kArtHeight = 120.0;

void Fill(QPainter& p, std::initializer_list<QPointF> points) {
  p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

void PaintHills(QPainter& p, const QRectF& area, double baseY, double amplitude, QColor color, double phase) {
  QPainterPath hills;
  hills.moveTo(area.left(), area.bottom());
  const int steps = 24;
  for (int i = 0; i <= steps; ++i) {
    const double x = area.left() + area.width() * i / steps;
    const double wobble = ((i * 7 + static_cast<int>(phase)) % 5) / 4.0;  // a ragged ridge line
    const double y =
        baseY - amplitude * (0.35 + 0.65 * wobble) * (0.6 + 0.4 * ((i + static_cast<int>(phase)) % 3) / 2.0);
    hills.lineTo(x, y);
  }
  hills.lineTo(area.right(), area.bottom());
  hills.closeSubpath();
  p.fillPath(hills, color);
}

}  // namespace

void PaintTitanframe(QPainter& p, const QRectF& box, QColor body, QColor lights) {
  const double scale = std::min(box.width() / kArtWidth, box.height() / kArtHeight);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(box.center().x() - kArtWidth * scale / 2.0, box.bottom() - kArtHeight * scale);
  p.scale(scale, scale);
  p.setPen(Qt::NoPen);
  p.setBrush(body);

  // Legs in a stride, the far leg slightly darker.
  p.setBrush(body.darker(130));
  Fill(p, {{52, 70}, {64, 68}, {71, 88}, {59, 91}});      // thigh
  Fill(p, {{59, 90}, {71, 87}, {76, 110}, {64, 112}});    // shin
  Fill(p, {{58, 110}, {80, 108}, {84, 115}, {56, 116}});  // foot
  p.setBrush(body);
  Fill(p, {{35, 68}, {49, 70}, {45, 91}, {31, 89}});
  Fill(p, {{31, 88}, {45, 90}, {43, 113}, {29, 113}});
  Fill(p, {{22, 112}, {47, 112}, {50, 119}, {19, 119}});
  Fill(p, {{34, 61}, {66, 61}, {63, 71}, {37, 71}});  // hip
  // Torso, cockpit and shoulders.
  Fill(p, {{33, 25}, {67, 25}, {73, 40}, {68, 62}, {32, 62}, {27, 40}});
  Fill(p, {{41, 12}, {59, 12}, {63, 26}, {37, 26}});
  Fill(p, {{66, 26}, {81, 28}, {83, 41}, {70, 43}});
  // Arm with its gun on the near side, missile pod and arm on the far side.
  Fill(p, {{72, 40}, {83, 40}, {85, 62}, {79, 75}, {70, 72}});
  Fill(p, {{76, 72}, {81, 73}, {81, 92}, {77, 92}});
  Fill(p, {{16, 20}, {37, 20}, {37, 39}, {16, 39}});
  Fill(p, {{21, 38}, {32, 40}, {31, 62}, {25, 73}, {17, 64}});

  // Lights: the cockpit visor and six tubes of the pod.
  p.setBrush(lights);
  p.drawRoundedRect(QRectF(44, 16.5, 12, 4), 1.5, 1.5);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col) p.drawEllipse(QPointF(21.5 + col * 5, 26 + row * 6.5), 1.6, 1.6);
  p.restore();
}

namespace {

// Dusk: the sky, its stars and the sun sinking behind the hills.
void PaintDuskSky(QPainter& p, const QRectF& area) {
  // Deep blue overhead, burning orange at the horizon.
  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0.0, QColor(10, 16, 42));
  sky.setColorAt(0.45, QColor(58, 40, 86));
  sky.setColorAt(0.75, QColor(196, 88, 52));
  sky.setColorAt(1.0, QColor(246, 170, 70));
  p.fillRect(area, sky);

  // A few stars in the dark part of the sky.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 40; ++i) {
    const double x = area.left() + (i * 97 % 509) + 5;
    const double y = area.top() + (i * 53 % 120) + 4;
    p.setBrush(QColor(255, 255, 255, 60 + (i * 37) % 140));
    p.drawEllipse(QPointF(x, y), 0.8 + (i % 3) * 0.3, 0.8 + (i % 3) * 0.3);
  }

  // The sun sinking behind the hills.
  const QPointF sunCentre(area.left() + area.width() * 0.3, area.top() + area.height() * 0.78);
  QRadialGradient sun(sunCentre, area.height() * 0.5);
  sun.setColorAt(0.0, QColor(255, 236, 170, 255));
  sun.setColorAt(0.12, QColor(255, 200, 110, 230));
  sun.setColorAt(0.35, QColor(255, 140, 60, 70));
  sun.setColorAt(1.0, QColor(255, 120, 60, 0));
  p.setBrush(sun);
  p.drawEllipse(sunCentre, area.height() * 0.5, area.height() * 0.5);
}

// The hills, the ground and the machine striding over them.
void PaintLandAndMachine(QPainter& p, const QRectF& area) {
  const double horizon = area.top() + area.height() * 0.82;
  PaintHills(p, area, horizon, 34, QColor(92, 46, 70), 1);
  PaintHills(p, area, horizon + 14, 22, QColor(52, 28, 48), 3);
  QRectF ground(area.left(), horizon + 12, area.width(), area.bottom() - horizon - 12);
  QLinearGradient soil(ground.topLeft(), ground.bottomLeft());
  soil.setColorAt(0.0, QColor(34, 20, 30));
  soil.setColorAt(1.0, QColor(12, 8, 12));
  p.fillRect(ground, soil);

  // The machine, large, striding on the right.
  const double tall = area.height() * 0.78;
  const QRectF machine(area.left() + area.width() * 0.56, horizon + 20 - tall, tall * 0.85, tall);
  PaintTitanframe(p, machine, QColor(16, 14, 22), QColor(255, 90, 60));
}

// The program's name with a soft shadow, and its line below.
void PaintTitle(QPainter& p, const QRectF& area) {
  QFont title(QStringLiteral("Sans Serif"));
  title.setPixelSize(static_cast<int>(area.height() * 0.12));
  title.setBold(true);
  title.setLetterSpacing(QFont::PercentageSpacing, 104);
  p.setFont(title);
  const QRectF titleBox(area.left() + 24, area.top() + 22, area.width() * 0.62, area.height() * 0.34);
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(titleBox.translated(2, 2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             QStringLiteral("Titanframe Designer"));
  p.setPen(QColor(244, 236, 220));
  p.drawText(titleBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             QStringLiteral("Titanframe Designer"));

  QFont line(QStringLiteral("Sans Serif"));
  line.setPixelSize(static_cast<int>(area.height() * 0.045));
  line.setItalic(true);
  p.setFont(line);
  p.setPen(QColor(220, 200, 190));
  p.drawText(QRectF(titleBox.left() + 2, titleBox.bottom() + 2, titleBox.width(), area.height() * 0.1),
             Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Design lab for walking war machines"));
}

}  // namespace

void PaintSplashScene(QPainter& p, const QRectF& area) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(area);
  PaintDuskSky(p, area);
  PaintLandAndMachine(p, area);
  PaintTitle(p, area);
  p.restore();
}

QPixmap TitanframeEmblem(int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF disc(1, 1, side - 2, side - 2);
  QLinearGradient sky(disc.topLeft(), disc.bottomLeft());
  sky.setColorAt(0.0, QColor(24, 30, 70));
  sky.setColorAt(0.6, QColor(170, 80, 60));
  sky.setColorAt(1.0, QColor(240, 160, 70));
  p.setPen(QPen(QColor(40, 40, 48), 1.5));
  p.setBrush(sky);
  p.drawEllipse(disc);
  QPainterPath clip;
  clip.addEllipse(disc);
  p.setClipPath(clip);
  PaintTitanframe(p, QRectF(side * 0.18, side * 0.1, side * 0.64, side * 0.84), QColor(18, 16, 24),
                  QColor(255, 90, 60));
  p.end();
  return pixmap;
}

}  // namespace tfd
