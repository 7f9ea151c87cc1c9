#pragma once
// Colour references as the schemes store them, turned into colours of this
// desktop. A reference with the top bit set names one of the classic system
// display colours by number; each number stands for the role of the desktop
// palette that plays the same part, so such a scheme follows the theme.

#include <QPalette>
#include <cstdint>
#include <optional>

#include "equipment/ColorSchemes.h"
#include "ui/common/DisplayColors.h"

namespace tfd {

// The palette role a system colour number stands for; none for a number that
// names no colour.
std::optional<QPalette::ColorRole> SystemColorRole(int number);

// The colour of one reference: a literal 0x00BBGGRR (the high byte ignored),
// or a system colour taken from the desktop palette (black for an unknown
// number, as the system itself gives).
QColor ResolveColorRef(std::uint32_t ref, const QPalette& desktop);

// The nine colours of a set on this desktop. Black text over a system
// background would vanish on a dark theme, so where a set pairs literal black
// text with a system background, the text takes the desktop's text colour for
// that background instead.
TDisplayColors ResolveColorSet(const TColorSet& set, const QPalette& desktop);

// The colour as a literal reference (0x00BBGGRR), as stored for a colour the
// user picked.
std::uint32_t ColorRef(const QColor& color);

}  // namespace tfd
