#pragma once
// The window shown while the program starts: a borderless picture with a
// waiting line along its bottom edge. The picture is drawn once, into a
// pixmap, and is on screen before start-up goes on; the window stays long
// enough to read its line, but never holds start-up back by more than half a
// second.

#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

class QLabel;

namespace tfd {

class TfrmSplash : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 519;
  static constexpr int kHeight = 345;
  // How long the line wants to be read, and how much longer than start-up
  // itself the window may stay for it.
  static constexpr int kReadingMs = 1200;
  static constexpr int kLongestExtraMs = 500;
  // How often, while it waits, it looks for a box that must not be hidden.
  static constexpr int kModalWatchMs = 25;

  explicit TfrmSplash(QWidget* parent = nullptr);

  // Shows the window and paints it at once: it waits (taking no input) until
  // the window system has mapped it, then draws and flushes it.
  void showAndPaint();
  // The line along the bottom edge.
  QLabel* waitLine() const { return wait_; }
  // How much longer the window stays once start-up has ended now.
  int remainingMs() const;
  // Closes the window once the main window is on screen and the line had its
  // time; the window deletes itself then.
  void finish(QWidget* mainWindow);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* wait_;
  QPixmap picture_;
  QElapsedTimer shown_;
};

}  // namespace tfd
