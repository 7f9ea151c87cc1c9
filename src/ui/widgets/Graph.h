#pragma once
// A line graph of a few numbered series against a fixed X axis, drawn with
// QPainter: the damage and heat by range of the Reports page. Points of a
// series stay in order of X, and a point at an X already present replaces it.
// The Y axis starts at 0 and grows in whole steps to show the highest point.

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPointF>
#include <QWidget>
#include <array>
#include <limits>

namespace tfd {

class TGraph : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSeriesCount = 3;  // addressed 1..3

  explicit TGraph(QWidget* parent = nullptr);

  // Series outside 1..kSeriesCount are ignored.
  void setSeriesColor(int series, QColor color);
  QColor seriesColor(int series) const;
  void addPoint(int series, double x, double y);
  void clearSeries(int series);
  QList<QPointF> points(int series) const;
  // While a series is held, changing it does not repaint; releasing it does.
  void holdRedraw(int series);
  void releaseRedraw(int series);
  bool redrawHeld(int series) const;

  // A dashed upright line at x marks the point being read (none when NaN).
  void setMarker(double x);
  double marker() const { return marker_; }

  // The X axis: its range, the step between grid lines and labels, and the
  // decimals of its labels.
  void setXAxis(double minimum, double maximum, double step, int decimals);
  double xMinimum() const { return xMin_; }
  double xMaximum() const { return xMax_; }
  // The Y axis starts at 0, runs at least to `floor` and grows by `step` to
  // show the highest point.
  void setYAxis(double floor, double step, int decimals);
  double yMaximum() const;

  // The X value under a horizontal pixel position of the widget (outside the
  // plot area it lies beyond the axis range).
  double xFromPixel(int x) const;
  int pixelFromX(double x) const;
  QRect plotArea() const;

  void setBackgroundColor(QColor color);  // inside the axes
  void setMarginColor(QColor color);      // around them
  void setAxesColor(QColor color);
  void setGridColor(QColor color);
  void setLabelColor(QColor color);
  QColor backgroundColor() const { return back_; }
  QColor marginColor() const { return margin_; }
  QColor axesColor() const { return axes_; }
  QColor gridColor() const { return grid_; }
  QColor labelColor() const { return labels_; }

  QSize sizeHint() const override { return {520, 260}; }
  QSize minimumSizeHint() const override { return {240, 140}; }

 signals:
  // A mouse button went down at the X value under the pointer.
  void mouseDown(double x);
  // The pointer moved over the plot area, to that X value.
  void pointerMoved(double x);
  // Left or Right (one step), Home or End (to the start or the end) pressed
  // while the graph has the focus: steps of the X axis, signed.
  void stepRequested(int steps);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct TSeries {
    QColor Color;
    QList<QPointF> Points;
    int Held = 0;
  };
  TSeries* Series(int series);
  const TSeries* Series(int series) const;
  void Changed(const TSeries& s);
  // The plot area for a Y axis running up to yMax (its labels set the margin).
  QRect AreaFor(double yMax) const;
  int PixelX(double x, const QRect& area) const;
  static double PixelY(double y, double yMax, const QRect& area);
  // The spacing of the Y grid lines and labels.
  double GridStep(double yMax) const;
  // Background, grid, labels and axes.
  void PaintFrame(QPainter& p, double yMax) const;
  // The frame is drawn afresh at the next paint.
  void Redraw();

  std::array<TSeries, kSeriesCount> series_;
  double xMin_ = 1.0, xMax_ = 30.0, xStep_ = 1.0;
  int xDecimals_ = 0;
  double yFloor_ = 120.0, yStep_ = 20.0;
  int yDecimals_ = 0;
  QColor back_ = Qt::white;
  QColor margin_ = QColor(240, 240, 240);
  QColor axes_ = Qt::black;
  QColor grid_ = QColor(200, 200, 200);
  QColor labels_ = Qt::black;
  double marker_ = std::numeric_limits<double>::quiet_NaN();
  QPixmap frame_;
  double frameYMax_ = -1.0;
};

}  // namespace tfd
