#pragma once
// A gauge: a horizontal bar or a pie filled by progress / maximum in the
// foreground colour over the background colour, with the figure written in the
// middle so that it reads on both colours.

#include <QColor>
#include <QWidget>

class QPainterPath;

namespace tfd {

class TGauge : public QWidget {
  Q_OBJECT

 public:
  enum class EKind { Bar, Pie };
  // What the centred text shows: the filled share in percent, or the progress.
  enum class EText { Percent, Value };

  explicit TGauge(QWidget* parent = nullptr);

  void setKind(EKind kind);
  EKind kind() const { return kind_; }
  void setTextKind(EText text);
  EText textKind() const { return text_; }
  void setMaximum(int maximum);
  int maximum() const { return maximum_; }
  void setProgress(int progress);
  int progress() const { return progress_; }
  void setForeColor(QColor color);
  QColor foreColor() const { return fore_; }
  void setBackColor(QColor color);
  QColor backColor() const { return back_; }

  // The filled share, 0 to 1 (0 when the maximum is 0 or below).
  double fraction() const;
  // The text in the middle: "45%" or "45".
  QString text() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintBar(QPainter& p);
  void paintPie(QPainter& p);
  // Writes the text centred in the widget: over the filled shape in a colour
  // that reads on the foreground, elsewhere in one that reads on the background.
  void paintText(QPainter& p, const QPainterPath& filled);

  EKind kind_ = EKind::Bar;
  EText text_ = EText::Percent;
  int maximum_ = 100;
  int progress_ = 0;
  QColor fore_ = Qt::blue;
  QColor back_ = Qt::black;
};

// The gauge setter of the main window: maximum as given, progress the absolute
// value, a black background and the normal colour for a value of 0 or more, the
// error colour below 0. Both numbers are 16-bit signed quantities and are
// clamped to that range first.
void SetGauge(TGauge& gauge, int maximum, int value, QColor normal, QColor error);

// Black or white, whichever reads better on the given colour.
QColor ContrastingText(QColor background);

}  // namespace tfd
