#include "ui/widgets/RosterArt.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/widgets/TitanframeArt.h"

namespace tfd {

namespace {

// The plain pictures in grey; the groups in colours that stay apart for
// most kinds of colour blindness (orange, blue, teal).
const QColor kPlain(110, 116, 124);
const QColor kGroups[3] = {QColor(214, 120, 24), QColor(40, 96, 196), QColor(22, 150, 136)};

QPixmap Blank(int side) {
  QPixmap p(side, side);
  p.fill(Qt::transparent);
  return p;
}

QPixmap Frame(int side, QColor body) {
  QPixmap p = Blank(side);
  QPainter painter(&p);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintTitanframe(painter, QRectF(1, 1, side - 2, side - 2), body, QColor(255, 226, 120));
  return p;
}

// Head and shoulders of a pilot in a helmet with a visor.
QPixmap Pilot(int side, QColor suit) {
  QPixmap p = Blank(side);
  QPainter painter(&p);
  painter.setRenderHint(QPainter::Antialiasing);
  const double s = side;
  QPainterPath shoulders;
  shoulders.moveTo(0.12 * s, s - 1);
  shoulders.cubicTo(0.12 * s, 0.66 * s, 0.30 * s, 0.60 * s, 0.5 * s, 0.60 * s);
  shoulders.cubicTo(0.70 * s, 0.60 * s, 0.88 * s, 0.66 * s, 0.88 * s, s - 1);
  shoulders.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(suit);
  painter.drawPath(shoulders);
  painter.drawEllipse(QRectF(0.28 * s, 0.10 * s, 0.44 * s, 0.46 * s));
  painter.setBrush(QColor(200, 228, 255));
  painter.drawRoundedRect(QRectF(0.34 * s, 0.26 * s, 0.32 * s, 0.12 * s), 0.05 * s, 0.05 * s);
  return p;
}

}  // namespace

TRosterImages::TRosterImages(int side, QObject* parent) : QObject(parent) {
  setObjectName("ilUnitRoster");
  for (int g = 0; g < 3; ++g) images_ << Frame(side, kGroups[g]);
  images_ << Pilot(side, kPlain);
  for (int g = 0; g < 3; ++g) images_ << Pilot(side, kGroups[g]);
  images_ << Frame(side, kPlain);
}

const QPixmap& TRosterImages::Image(int index) const {
  return images_[std::clamp(index, 0, static_cast<int>(images_.size()) - 1)];
}

}  // namespace tfd
