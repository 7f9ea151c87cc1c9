#include "ui/common/ColorDialogSeam.h"

#include <QColorDialog>

#include "ui/common/SeamAnswers.h"

namespace tfd {

namespace {

TSeamAnswers<QColor>& Answers() {
  static TSeamAnswers<QColor> answers;
  return answers;
}

}  // namespace

QColor TColorDialogSeam::GetColor(QWidget* parent, const QColor& initial) {
  if (const auto answer = Answers().Take()) return *answer;
  if (Answers().NeverShows()) return {};
  const QColor chosen = QColorDialog::getColor(initial, parent);
  return chosen.isValid() ? chosen : QColor();
}

void TColorDialogSeam::SetNextAnswer(const QColor& color) { Answers().Add(color); }

void TColorDialogSeam::NeverShow() { Answers().NeverShow(); }

int TColorDialogSeam::Asked() { return Answers().Asked(); }

}  // namespace tfd
