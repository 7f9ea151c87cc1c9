#include "files/Windows1252.h"

namespace tfd {

namespace {

// The code page's characters 0x80..0x9F; the rest of its upper half is Latin-1.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] != 0 && kHigh[i] == cp) return 0x80 + i;
  return -1;
}

// Decodes one UTF-8 character at `pos`; an invalid sequence gives -1 and skips one byte.
long Decode(std::string_view s, std::size_t& pos) {
  const auto c = static_cast<unsigned char>(s[pos++]);
  if (c < 0x80) return c;
  int extra = c >= 0xF0 && c < 0xF8 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
  if (extra < 0 || c >= 0xF8) return -1;
  long cp = c & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) {
    if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
  }
  return cp;
}

}  // namespace

bool ToWindows1252(std::string_view utf8, std::string& out) {
  out.clear();
  out.reserve(utf8.size());
  bool exact = true;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const long cp = Decode(utf8, pos);
    const int b = cp < 0 ? -1 : ByteOf(static_cast<char32_t>(cp));
    if (b < 0) {
      out.push_back('?');
      exact = false;
    } else {
      out.push_back(static_cast<char>(b));
    }
  }
  return exact;
}

std::string WindowsTextFile(std::string_view utf8) {
  std::string text;
  ToWindows1252(utf8, text);
  std::string out;
  out.reserve(text.size() + text.size() / 20);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace tfd
