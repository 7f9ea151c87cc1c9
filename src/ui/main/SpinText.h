#pragma once
// Reading a spin edit as the user left it: its text, clamped into its range.

#include <QLineEdit>
#include <QLocale>
#include <optional>

#include "ui/widgets/SpinEdit.h"

namespace tfd {

// The number typed into the edit, kept within its range; nothing while the text is empty.
inline std::optional<int> TypedValue(const TSpinEdit& edit) {
  bool ok = false;
  const int v = edit.locale().toInt(edit.cleanText(), &ok);
  if (!ok) return std::nullopt;
  return std::clamp(v, edit.minimum(), edit.maximum());
}

// The line edit inside a spin edit. Its textChanged follows every keystroke,
// also those that leave a number outside the range, which the spin edit's own
// signals stay silent about until the edit commits.
inline QLineEdit* EditorOf(TSpinEdit& edit) { return edit.findChild<QLineEdit*>(); }

// Sets range then value, so neither setter clamps against a stale bound.
inline void SetRangeAndValue(TSpinEdit& edit, int minimum, int maximum, int value) {
  edit.setRange(minimum, std::max(minimum, maximum));
  edit.setValue(value);
}

}  // namespace tfd
