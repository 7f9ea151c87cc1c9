#include "ui/widgets/SpinEdit.h"

#include <QLineEdit>

#include <algorithm>

namespace tfd {

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
  setKeyboardTracking(true);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

bool TSpinEdit::textEmpty() const { return lineEdit()->text().trimmed().isEmpty(); }

void TSpinEdit::stepBy(int steps) {
  if (!routeSteps_) {
    QSpinBox::stepBy(steps);
    return;
  }
  if (steps != 0 && !isReadOnly()) emit stepRequested(steps);
}

bool TSpinEdit::typedNumber(const QString& input, long long& number) const {
  QString digits = input;
  if (!prefix().isEmpty() && digits.startsWith(prefix())) digits.remove(0, prefix().size());
  if (!suffix().isEmpty() && digits.endsWith(suffix())) digits.chop(suffix().size());
  digits = digits.trimmed();
  digits.remove(locale().groupSeparator());
  // A sign only where negative numbers are allowed; at most nine digits, so the
  // number always fits.
  const bool negative = digits.startsWith('-');
  if (negative && minimum() >= 0) return false;
  const QString body = negative ? digits.mid(1) : digits;
  if (body.isEmpty() || body.size() > 9) return false;
  for (const QChar c : body)
    if (c < '0' || c > '9') return false;
  number = body.toLongLong() * (negative ? -1 : 1);
  return true;
}

QValidator::State TSpinEdit::validate(QString& input, int& pos) const {
  const QValidator::State state = QSpinBox::validate(input, pos);
  if (state != QValidator::Invalid) return state;
  long long number = 0;
  // Outside the range but a number: keep it in the text until the commit clamps it.
  return typedNumber(input, number) ? QValidator::Intermediate : QValidator::Invalid;
}

void TSpinEdit::fixup(QString& input) const {
  long long number = 0;
  if (!typedNumber(input, number)) {
    QSpinBox::fixup(input);
    return;
  }
  const long long clamped = std::clamp<long long>(number, minimum(), maximum());
  input = prefix() + textFromValue(static_cast<int>(clamped)) + suffix();
}

void TSpinEdit::focusInEvent(QFocusEvent* event) {
  QSpinBox::focusInEvent(event);
  emit focusIn();
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
  // First the owner, while the text is still what the user left.
  emit focusOut();
  QSpinBox::focusOutEvent(event);
}

}  // namespace tfd
