#include "ui/common/DisplayColors.h"

#include <QApplication>
#include <QPalette>

namespace tfd {

TDisplayColors TDisplayColors::Defaults() {
  const QColor face = QApplication::palette().color(QPalette::Button);
  TDisplayColors c;
  c.Colors = {QColor(Qt::black), QColor(Qt::black), face, face, QColor(Qt::blue), QColor(Qt::red),
              QColor(Qt::red), QColor(0, 128, 128), QColor(Qt::blue)};
  return c;
}

}  // namespace tfd
