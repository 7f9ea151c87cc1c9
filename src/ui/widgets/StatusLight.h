#pragma once
// The status light of the main window's tabs: a slim bar of thirteen lamps in
// the colour of the design's status. Frame 0 is the still picture (a steady
// glow in the middle); frames 1 to 12 are one cycle of a light that sweeps to
// the right end and back with a fading trail behind it.

#include <QLabel>
#include <QPixmap>

namespace tfd {

constexpr int kStatusLightWidth = 93;
constexpr int kStatusLightHeight = 14;
constexpr int kStatusLightFrames = 13;  // the still frame and twelve of the cycle

// status 0 green, 1 yellow, 2 red; frame 0 still, 1..12 the cycle. Values out
// of range are clamped. The pictures are drawn once and cached.
QPixmap StatusLightFrame(int status, int frame);

class TStatusLight : public QLabel {
  Q_OBJECT

 public:
  explicit TStatusLight(QWidget* parent = nullptr);

  void setFrame(int status, int frame);
  int status() const { return status_; }
  int frame() const { return frame_; }

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int status_ = 0;
  int frame_ = 0;
};

}  // namespace tfd
