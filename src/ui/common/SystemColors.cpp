#include "ui/common/SystemColors.h"

#include <array>

namespace tfd {

namespace {

constexpr int kNoRole = -1;

// System colour number -> palette role. Scroll bar, desktop, captions, menus,
// window, frame, texts, borders, workspace, highlight, button face, shadow,
// grey text, button text, inactive caption text, 3-D light and dark, tool
// tips, hot-tracking and the gradient captions, menu highlight and menu bar.
constexpr std::array<int, 31> kRoles = {
    QPalette::Midlight,         // 0 scroll bar
    QPalette::Dark,             // 1 desktop
    QPalette::Highlight,        // 2 active caption
    QPalette::Mid,              // 3 inactive caption
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window (the inside of edit boxes)
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::WindowText,       // 8 window text
    QPalette::HighlightedText,  // 9 caption text
    QPalette::Window,           // 10 active border
    QPalette::Window,           // 11 inactive border
    QPalette::Mid,              // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Window,           // 15 button face (the face of dialogs)
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 3-D dark shadow
    QPalette::Midlight,         // 22 3-D light
    QPalette::ToolTipText,      // 23 tool-tip text
    QPalette::ToolTipBase,      // 24 tool-tip background
    kNoRole,                    // 25 unused
    QPalette::Link,             // 26 hot-tracked item
    QPalette::Highlight,        // 27 active caption gradient
    QPalette::Mid,              // 28 inactive caption gradient
    QPalette::Highlight,        // 29 menu highlight
    QPalette::Window,           // 30 menu bar
};

bool IsSystemRef(std::uint32_t ref) { return (ref & kSystemColor) != 0; }

// The text role that reads on a background role.
QPalette::ColorRole TextRoleOn(QPalette::ColorRole background) {
  switch (background) {
    case QPalette::Base: return QPalette::Text;
    case QPalette::Button: return QPalette::ButtonText;
    case QPalette::Highlight: return QPalette::HighlightedText;
    case QPalette::ToolTipBase: return QPalette::ToolTipText;
    default: return QPalette::WindowText;
  }
}

}  // namespace

std::optional<QPalette::ColorRole> SystemColorRole(int number) {
  if (number < 0 || number >= static_cast<int>(kRoles.size()) || kRoles[number] == kNoRole)
    return std::nullopt;
  return static_cast<QPalette::ColorRole>(kRoles[number]);
}

QColor ResolveColorRef(std::uint32_t ref, const QPalette& desktop) {
  if (IsSystemRef(ref)) {
    const auto role = SystemColorRole(static_cast<int>(ref & ~kSystemColor));
    return role ? desktop.color(QPalette::Active, *role) : QColor(Qt::black);
  }
  return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                static_cast<int>((ref >> 16) & 0xFF));
}

TDisplayColors ResolveColorSet(const TColorSet& set, const QPalette& desktop) {
  TDisplayColors out;
  for (std::size_t i = 0; i < set.size(); ++i) out.Colors[i] = ResolveColorRef(set[i], desktop);
  const auto mendText = [&](EDisplayColor text, EDisplayColor background) {
    const std::uint32_t back = set[background];
    if (set[text] != 0 || !IsSystemRef(back)) return;
    if (const auto role = SystemColorRole(static_cast<int>(back & ~kSystemColor)))
      out[text] = desktop.color(QPalette::Active, TextRoleOn(*role));
  };
  mendText(dcTextF, dcTextB);
  mendText(dcEditF, dcEditB);
  return out;
}

std::uint32_t ColorRef(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) | (static_cast<std::uint32_t>(color.green()) << 8) |
         (static_cast<std::uint32_t>(color.blue()) << 16);
}

}  // namespace tfd
