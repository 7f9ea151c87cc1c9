#pragma once
// The spin edit of the design tabs. It differs from a plain QSpinBox where the
// editing rules need it:
//  - a number outside the range may be typed and stays in the text ("12" in an
//    edit of maximum 9); it is clamped into the range when the edit commits
//    (Return, focus out), so "12" becomes 9 and "103" in 20..100 becomes 100;
//  - focusOut() is emitted before the base class fixes the text up, so its
//    receiver still sees an empty text (textEmpty());
//  - with routed steps, the arrows, the Up/Down and Page keys and the wheel do
//    not change the value but ask the owner through stepRequested(steps)
//    (+1/-1 for an arrow or a wheel notch, +10/-10 for the Page keys), so the
//    owner applies its own stepping rule.
// Keyboard tracking stays on: valueChanged follows every keystroke that leaves
// a number inside the range.

#include <QSpinBox>

namespace tfd {

class TSpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  explicit TSpinEdit(QWidget* parent = nullptr);

  bool textEmpty() const;
  void setRouteSteps(bool route) { routeSteps_ = route; }
  bool routeSteps() const { return routeSteps_; }

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;

 signals:
  void stepRequested(int steps);
  void focusIn();
  void focusOut();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The typed number without prefix, suffix and blanks; false when the text is
  // not a whole number.
  bool typedNumber(const QString& input, long long& number) const;

  bool routeSteps_ = false;
};

}  // namespace tfd
