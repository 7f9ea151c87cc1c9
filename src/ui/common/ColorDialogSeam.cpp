#include "ui/common/ColorDialogSeam.h"

#include <QColorDialog>
#include <QList>

namespace tfd {

namespace {

QList<QColor>& Answers() {
  static QList<QColor> answers;
  return answers;
}
int& AskedCount() {
  static int asked = 0;
  return asked;
}
bool& Answering() {
  static bool answering = false;
  return answering;
}

}  // namespace

QColor TColorDialogSeam::GetColor(QWidget* parent, const QColor& initial) {
  ++AskedCount();
  if (!Answers().isEmpty()) return Answers().takeFirst();
  if (Answering()) return {};
  const QColor chosen = QColorDialog::getColor(initial, parent);
  return chosen.isValid() ? chosen : QColor();
}

void TColorDialogSeam::SetNextAnswer(const QColor& color) { Answers() << color; }

void TColorDialogSeam::NeverShow() { Answering() = true; }

int TColorDialogSeam::Asked() { return AskedCount(); }

}  // namespace tfd
