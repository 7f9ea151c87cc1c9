#include "ui/widgets/Graph.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tfd {

namespace {

QString Label(double v, int decimals) { return QString::number(v, 'f', decimals); }

}  // namespace

TGraph::TGraph(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);  // the arrow keys step the readout
  setAttribute(Qt::WA_OpaquePaintEvent);
  series_[0].Color = Qt::red;
  series_[1].Color = Qt::blue;
  series_[2].Color = QColor(0, 128, 128);
}

TGraph::TSeries* TGraph::Series(int series) {
  return series >= 1 && series <= kSeriesCount ? &series_[static_cast<std::size_t>(series - 1)] : nullptr;
}
const TGraph::TSeries* TGraph::Series(int series) const {
  return series >= 1 && series <= kSeriesCount ? &series_[static_cast<std::size_t>(series - 1)] : nullptr;
}

void TGraph::Changed(const TSeries& s) {
  if (s.Held == 0) update();
}

void TGraph::setSeriesColor(int series, QColor color) {
  if (TSeries* s = Series(series)) {
    s->Color = color;
    Changed(*s);
  }
}

QColor TGraph::seriesColor(int series) const {
  const TSeries* s = Series(series);
  return s ? s->Color : QColor();
}

void TGraph::addPoint(int series, double x, double y) {
  TSeries* s = Series(series);
  if (!s || !std::isfinite(x) || !std::isfinite(y)) return;  // a point that cannot be drawn
  auto& p = s->Points;
  const auto at =
      std::lower_bound(p.begin(), p.end(), x, [](const QPointF& a, double v) { return a.x() < v; });
  if (at != p.end() && at->x() == x)
    at->setY(y);
  else
    p.insert(at, QPointF(x, y));
  Changed(*s);
}

void TGraph::clearSeries(int series) {
  if (TSeries* s = Series(series)) {
    s->Points.clear();
    Changed(*s);
  }
}

QList<QPointF> TGraph::points(int series) const {
  const TSeries* s = Series(series);
  return s ? s->Points : QList<QPointF>();
}

void TGraph::holdRedraw(int series) {
  if (TSeries* s = Series(series)) ++s->Held;
}

void TGraph::releaseRedraw(int series) {
  TSeries* s = Series(series);
  if (!s || s->Held == 0) return;
  --s->Held;
  Changed(*s);
}

bool TGraph::redrawHeld(int series) const {
  const TSeries* s = Series(series);
  return s && s->Held > 0;
}

void TGraph::setMarker(double x) {
  if (std::isinf(x)) x = std::numeric_limits<double>::quiet_NaN();
  if (x == marker_ || (std::isnan(x) && std::isnan(marker_))) return;
  marker_ = x;
  update();
}

void TGraph::setXAxis(double minimum, double maximum, double step, int decimals) {
  if (!(maximum > minimum) || !(step > 0.0)) return;  // an empty axis or a zero step draws nothing sensible
  xMin_ = minimum;
  xMax_ = maximum;
  xStep_ = step;
  xDecimals_ = std::max(0, decimals);
  Redraw();
}

void TGraph::setYAxis(double floor, double step, int decimals) {
  if (!(floor > 0.0) || !(step > 0.0)) return;
  yFloor_ = floor;
  yStep_ = step;
  yDecimals_ = std::max(0, decimals);
  Redraw();
}

void TGraph::setBackgroundColor(QColor color) {
  back_ = color;
  Redraw();
}
void TGraph::setMarginColor(QColor color) {
  margin_ = color;
  Redraw();
}
void TGraph::setAxesColor(QColor color) {
  axes_ = color;
  Redraw();
}
void TGraph::setGridColor(QColor color) {
  grid_ = color;
  Redraw();
}
void TGraph::setLabelColor(QColor color) {
  labels_ = color;
  Redraw();
}

double TGraph::yMaximum() const {
  double top = 0.0;
  for (const TSeries& s : series_)
    for (const QPointF& p : s.Points) top = std::max(top, p.y());
  if (top <= yFloor_) return yFloor_;
  return std::ceil(top / yStep_) * yStep_;
}

QRect TGraph::plotArea() const { return AreaFor(yMaximum()); }

QRect TGraph::AreaFor(double yMax) const {
  const QFontMetrics fm(font());
  const int left = fm.horizontalAdvance(Label(yMax, yDecimals_)) + 10;
  const int right = fm.horizontalAdvance(Label(xMax_, xDecimals_)) / 2 + 8;
  const int top = fm.height() / 2 + 4;
  const int bottom = fm.height() + 8;
  return QRect(left, top, std::max(1, width() - left - right), std::max(1, height() - top - bottom));
}

double TGraph::xFromPixel(int x) const {
  const QRect r = plotArea();
  const double span = r.width() > 1 ? r.width() - 1 : 1;
  return xMin_ + (x - r.left()) * (xMax_ - xMin_) / span;
}

int TGraph::pixelFromX(double x) const { return PixelX(x, plotArea()); }

int TGraph::PixelX(double x, const QRect& area) const {
  return area.left() + static_cast<int>(std::lround((x - xMin_) * (area.width() - 1) / (xMax_ - xMin_)));
}

double TGraph::PixelY(double y, double yMax, const QRect& area) {
  return area.bottom() - y * (area.height() - 1) / yMax;
}

double TGraph::GridStep(double yMax) const {
  // Never more than about twenty lines, whatever the highest point.
  const double lines = std::ceil(yMax / yStep_ / 20.0);
  return yStep_ * std::max(1.0, lines);
}

void TGraph::PaintFrame(QPainter& p, double yMax) const {
  p.fillRect(rect(), margin_);
  const QRect area = AreaFor(yMax);
  p.fillRect(area, back_);
  const QFontMetrics fm(font());

  // Grid lines at every step; labels at every step that leaves them room.
  p.setPen(QPen(grid_, 0, Qt::DotLine));
  const int xSteps = static_cast<int>(std::floor((xMax_ - xMin_) / xStep_ + 1e-9));
  for (int i = 0; i <= xSteps; ++i) {
    const int px = PixelX(xMin_ + i * xStep_, area);
    p.drawLine(px, area.top(), px, area.bottom());
  }
  const double yStep = GridStep(yMax);
  const int ySteps = static_cast<int>(std::floor(yMax / yStep + 1e-9));
  for (int i = 0; i <= ySteps; ++i) {
    const int py = static_cast<int>(std::lround(PixelY(i * yStep, yMax, area)));
    p.drawLine(area.left(), py, area.right(), py);
  }

  p.setPen(labels_);
  const double spacing = xSteps > 0 ? static_cast<double>(area.width()) / xSteps : area.width();
  const int widest = fm.horizontalAdvance(Label(xMax_, xDecimals_)) + 4;
  const int every = std::max(1, static_cast<int>(std::ceil(widest / std::max(1.0, spacing))));
  for (int i = 0; i <= xSteps; ++i) {
    const double x = xMin_ + i * xStep_;
    // The first label always shows; thinned labels keep the multiples of the stride.
    if (i != 0 && std::lround(x) % every != 0) continue;
    const QString text = Label(x, xDecimals_);
    const int px = PixelX(x, area);
    const int w = fm.horizontalAdvance(text);
    p.drawText(QRect(px - w, area.bottom() + 4, 2 * w, fm.height()), Qt::AlignHCenter | Qt::AlignTop, text);
  }
  for (int i = 0; i <= ySteps; ++i) {
    const QString text = Label(i * yStep, yDecimals_);
    const int py = static_cast<int>(std::lround(PixelY(i * yStep, yMax, area)));
    p.drawText(QRect(0, py - fm.height() / 2, area.left() - 5, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, text);
  }

  p.setPen(QPen(axes_, 1));
  p.drawLine(area.bottomLeft(), area.bottomRight());
  p.drawLine(area.bottomLeft(), area.topLeft());
}

void TGraph::paintEvent(QPaintEvent*) {
  const double yMax = yMaximum();
  // Axes, grid and labels change only with the size, the colours, the font
  // and the Y range: drawn once and kept, so a refresh repaints only the lines.
  const qreal ratio = devicePixelRatioF();
  if (frameYMax_ != yMax || frame_.size() != size() * ratio || frame_.devicePixelRatio() != ratio) {
    frame_ = QPixmap(size() * ratio);
    frame_.setDevicePixelRatio(ratio);
    QPainter fp(&frame_);
    fp.setFont(font());
    PaintFrame(fp, yMax);
    frameYMax_ = yMax;
  }
  QPainter p(this);
  p.drawPixmap(0, 0, frame_);

  const QRect area = AreaFor(yMax);
  if (!std::isnan(marker_)) {
    // Solid while the keys move it.
    p.setPen(QPen(labels_, 1, hasFocus() ? Qt::SolidLine : Qt::DashLine));
    const int px = PixelX(marker_, area);
    p.drawLine(px, area.top(), px, area.bottom());
  }
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(area.adjusted(0, -1, 1, 1));
  for (const TSeries& s : series_) {
    if (s.Points.isEmpty()) continue;
    QPainterPath path;
    for (qsizetype i = 0; i < s.Points.size(); ++i) {
      const QPointF pt(PixelX(s.Points[i].x(), area), PixelY(s.Points[i].y(), yMax, area));
      if (i == 0)
        path.moveTo(pt);
      else
        path.lineTo(pt);
    }
    p.setPen(QPen(s.Color, 2));
    p.drawPath(path);
  }
}

void TGraph::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Redraw();
  QWidget::changeEvent(event);
}

void TGraph::Redraw() {
  frameYMax_ = -1.0;
  update();
}

void TGraph::mousePressEvent(QMouseEvent* event) {
  emit mouseDown(xFromPixel(static_cast<int>(event->position().x())));
  QWidget::mousePressEvent(event);
}

void TGraph::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (plotArea().adjusted(-4, 0, 4, 0).contains(at)) emit pointerMoved(xFromPixel(at.x()));
  QWidget::mouseMoveEvent(event);
}

void TGraph::keyPressEvent(QKeyEvent* event) {
  const int span = static_cast<int>(std::ceil((xMax_ - xMin_) / xStep_));
  switch (event->key()) {
    case Qt::Key_Left: emit stepRequested(-1); break;
    case Qt::Key_Right: emit stepRequested(1); break;
    case Qt::Key_Home: emit stepRequested(-span); break;
    case Qt::Key_End: emit stepRequested(span); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void TGraph::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void TGraph::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

}  // namespace tfd
