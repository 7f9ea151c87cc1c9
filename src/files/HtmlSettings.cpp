#include "files/HtmlSettings.h"

#include <algorithm>

namespace tfd {

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
constexpr char kDigits[] = "0123456789ABCDEF";
}  // namespace

std::array<int, 3> ColorChannels(std::string_view color, const std::array<int, 3>& fallback) {
  if (color.size() != 6) return fallback;
  std::array<int, 3> out{};
  for (std::size_t i = 0; i < 3; ++i) {
    const int hi = HexDigit(color[2 * i]), lo = HexDigit(color[2 * i + 1]);
    if (hi < 0 || lo < 0) return fallback;
    out[i] = hi * 16 + lo;
  }
  return out;
}

std::string ColorText(const std::array<int, 3>& channels) {
  std::string out;
  for (int c : channels) {
    c = std::clamp(c, 0, 255);
    out.push_back(kDigits[c / 16]);
    out.push_back(kDigits[c % 16]);
  }
  return out;
}

std::string ComplementColor(std::string_view color) {
  std::string out;
  for (char c : color) {
    const int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
    out.push_back(d < 0 ? '0' : kDigits[15 - d]);
  }
  return out;
}

int ChannelStepUp(int value) {
  if (value > 255) value = 255;
  return value + 16 <= 255 ? value + 16 : 255;
}

int ChannelStepDown(int value) {
  if (value == 255) return 240;
  if (value < 0) value = 0;
  return value - 16 >= 0 ? value - 16 : 0;
}

}  // namespace tfd
