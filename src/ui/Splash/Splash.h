#pragma once
// The window shown while the program starts: a borderless picture with a
// waiting line along its bottom edge.

#include <QWidget>

class QLabel;

namespace tfd {

class TfrmSplash : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 519;
  static constexpr int kHeight = 345;

  explicit TfrmSplash(QWidget* parent = nullptr);

  // Shows the window and paints it at once, before the program goes on working.
  void showAndPaint();
  // The line along the bottom edge.
  QLabel* waitLine() const { return wait_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* wait_;
};

}  // namespace tfd
