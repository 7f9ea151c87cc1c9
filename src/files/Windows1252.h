#pragma once
// UTF-8 text as the 8-bit Windows text the design files hold.

#include <string>
#include <string_view>

namespace tfd {

// Converts `utf8` to Windows-1252 into `out`. A character the code page does
// not have (or a byte that is not UTF-8) becomes "?"; the result is then false.
bool ToWindows1252(std::string_view utf8, std::string& out);

// A readout as its file holds it: Windows-1252 with CR LF line ends.
std::string WindowsTextFile(std::string_view utf8);

}  // namespace tfd
