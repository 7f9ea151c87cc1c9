#include "ui/widgets/Gauge.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tfd {

TGauge::TGauge(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TGauge::setKind(EKind kind) {
  if (kind_ == kind) return;
  kind_ = kind;
  setSizePolicy(kind == EKind::Pie ? QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred)
                                   : QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed));
  updateGeometry();
  update();
}

void TGauge::setTextKind(EText text) {
  if (text_ == text) return;
  text_ = text;
  update();
}

void TGauge::setMaximum(int maximum) {
  if (maximum_ == maximum) return;
  maximum_ = maximum;
  update();
}

void TGauge::setProgress(int progress) {
  if (progress_ == progress) return;
  progress_ = progress;
  update();
}

void TGauge::setForeColor(QColor color) {
  if (fore_ == color) return;
  fore_ = color;
  update();
}

void TGauge::setBackColor(QColor color) {
  if (back_ == color) return;
  back_ = color;
  update();
}

double TGauge::fraction() const {
  if (maximum_ <= 0) return 0.0;
  return std::clamp(static_cast<double>(progress_) / maximum_, 0.0, 1.0);
}

QString TGauge::text() const {
  if (text_ == EText::Value) return QString::number(progress_);
  // Whole percent, cut toward zero, so that a gauge short of full never reads 100%.
  return QString::number(static_cast<int>(fraction() * 100.0 + 1e-9)) + '%';
}

QSize TGauge::sizeHint() const {
  const QFontMetrics fm(font());
  if (kind_ == EKind::Pie) {
    const int side = std::max(48, fm.horizontalAdvance(QStringLiteral("100%")) * 2);
    return {side, side};
  }
  return {std::max(100, fm.horizontalAdvance(QStringLiteral("100%")) * 4), fm.height() + 6};
}

QSize TGauge::minimumSizeHint() const {
  const QFontMetrics fm(font());
  if (kind_ == EKind::Pie) return {24, 24};
  return {fm.horizontalAdvance(QStringLiteral("100%")) + 8, fm.height() + 4};
}

void TGauge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (kind_ == EKind::Pie)
    paintPie(p);
  else
    paintBar(p);
}

void TGauge::paintBar(QPainter& p) {
  const QRect outer = rect();
  // A sunken one-pixel frame around the trough.
  p.setPen(palette().color(QPalette::Dark));
  p.drawLine(outer.topLeft(), outer.topRight());
  p.drawLine(outer.topLeft(), outer.bottomLeft());
  p.setPen(palette().color(QPalette::Light));
  p.drawLine(outer.bottomLeft(), outer.bottomRight());
  p.drawLine(outer.topRight(), outer.bottomRight());

  const QRect inner = outer.adjusted(1, 1, -1, -1);
  p.fillRect(inner, back_);
  const int filledWidth = static_cast<int>(std::lround(inner.width() * fraction()));
  QPainterPath filled;
  if (filledWidth > 0) {
    const QRect bar(inner.left(), inner.top(), filledWidth, inner.height());
    p.fillRect(bar, fore_);
    filled.addRect(bar);
  }
  paintText(p, filled);
}

void TGauge::paintPie(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const int side = std::min(width(), height()) - 2;
  if (side <= 0) return;
  const QRectF disc((width() - side) / 2.0, (height() - side) / 2.0, side, side);
  p.setPen(Qt::NoPen);
  p.setBrush(back_);
  p.drawEllipse(disc);

  QPainterPath filled;
  const double share = fraction();
  if (share > 0.0) {
    // Clockwise from twelve o'clock.
    filled.moveTo(disc.center());
    filled.arcTo(disc, 90.0, -360.0 * share);
    filled.closeSubpath();
    p.setBrush(fore_);
    p.drawPath(filled);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette().color(QPalette::Dark), 1.0));
  p.drawEllipse(disc);
  paintText(p, filled);
}

void TGauge::paintText(QPainter& p, const QPainterPath& filled) {
  const QString label = text();
  QPainterPath everything;
  everything.addRect(rect());
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setClipPath(everything.subtracted(filled));
  p.setPen(ContrastingText(back_));
  p.drawText(rect(), Qt::AlignCenter, label);
  if (!filled.isEmpty()) {
    p.setClipPath(filled);
    p.setPen(ContrastingText(fore_));
    p.drawText(rect(), Qt::AlignCenter, label);
  }
  p.restore();
}

void SetGauge(TGauge& gauge, int maximum, int value, QColor normal, QColor error) {
  const int max16 = std::clamp(maximum, -32768, 32767);
  const int value16 = std::clamp(value, -32768, 32767);
  gauge.setMaximum(max16);
  gauge.setProgress(std::abs(value16));
  gauge.setBackColor(Qt::black);
  gauge.setForeColor(value16 >= 0 ? normal : error);
}

QColor ContrastingText(QColor background) {
  // Relative luminance with the usual weights of the three primaries.
  const double luminance =
      0.2126 * background.redF() + 0.7152 * background.greenF() + 0.0722 * background.blueF();
  return luminance > 0.45 ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace tfd
