#include "files/TextInput.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "files/ReadError.h"

namespace tfd {

std::string TTextInput::ReadLine() {
  if (Eof()) throw TReadError(kReadBeyondEnd);
  const std::size_t start = pos_;
  while (!AtLineEnd()) ++pos_;
  std::string line(text_.substr(start, pos_ - start));
  if (!Eof() && text_[pos_] == '\r') ++pos_;
  if (!Eof() && text_[pos_] == '\n') ++pos_;
  return line;
}

std::string_view TTextInput::PeekLine() const {
  std::size_t end = pos_;
  while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') ++end;
  return text_.substr(pos_, end - pos_);
}

bool TTextInput::EndsLine(std::size_t i) const {
  // LF, and a CR that no LF follows (a CR LF pair counts at its LF).
  return text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n'));
}

int TTextInput::LineNumber() {
  for (; countedTo_ < pos_; ++countedTo_)
    if (EndsLine(countedTo_)) ++countedLine_;
  for (; countedTo_ > pos_; --countedTo_)
    if (EndsLine(countedTo_ - 1)) --countedLine_;
  return countedLine_;
}

void TTextInput::SkipLine() {
  if (Eof()) return;  // skipping at the end is harmless; reading is not
  ReadLine();
}

void TTextInput::SkipToColon() {
  while (!Eof()) {
    if (text_[pos_++] == ':') return;
  }
  throw TReadError(kReadBeyondEnd);
}

char TTextInput::ReadChar() {
  if (Eof()) throw TReadError(kReadBeyondEnd);
  if (AtLineEnd()) return ' ';
  return text_[pos_++];
}

void TTextInput::SkipSpace() {
  while (!Eof()) {
    const char c = text_[pos_];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return;
    ++pos_;
  }
}

std::string_view TTextInput::Token() {
  SkipSpace();
  if (Eof()) throw TReadError(kReadBeyondEnd);
  const std::size_t start = pos_;
  while (!Eof()) {
    const char c = text_[pos_];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') break;
    ++pos_;
  }
  return text_.substr(start, pos_ - start);
}

long TTextInput::ReadInteger() {
  // A number ends at the first character that cannot continue it, as the
  // layout puts units and brackets right after some numbers ("12 [24]").
  SkipSpace();
  if (Eof()) throw TReadError(kReadBeyondEnd);
  std::size_t end = pos_;
  if (text_[end] == '+' || text_[end] == '-') ++end;
  const std::size_t digits = end;
  while (end < text_.size() && std::isdigit(static_cast<unsigned char>(text_[end]))) ++end;
  if (end == digits) throw TReadError(kInvalidNumber);
  long value = 0;
  const char* first = text_.data() + (text_[pos_] == '+' ? pos_ + 1 : pos_);
  const auto [ptr, ec] = std::from_chars(first, text_.data() + end, value);
  if (ec != std::errc()) throw TReadError(kInvalidNumber);
  (void)ptr;
  pos_ = end;
  return value;
}

double TTextInput::ReadReal() {
  const std::string_view t = Token();
  double value = 0.0;
  if (!ParseDecimal(t, value)) throw TReadError(kInvalidNumber);
  return value;
}

std::string TrimText(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return std::string(s.substr(b, e - b));
}

static char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

bool ContainsText(std::string_view hay, std::string_view needle) {
  if (needle.size() > hay.size()) return false;
  for (std::size_t i = 0; i + needle.size() <= hay.size(); ++i)
    if (SameText(hay.substr(i, needle.size()), needle)) return true;
  return false;
}

bool ParseWhole(std::string_view s, long& value) {
  if (s.empty()) return false;
  std::size_t i = 0;
  if (s[0] == '+') i = 1;
  const auto [ptr, ec] = std::from_chars(s.data() + i, s.data() + s.size(), value);
  return ec == std::errc() && ptr == s.data() + s.size();
}

bool ParseDecimal(std::string_view s, double& value) {
  const std::string t = TrimText(s);
  if (t.empty() || t.size() > 64) return false;
  for (char c : t)
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' ||
          c == 'E'))
      return false;
  char* end = nullptr;
  const double v = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size() || !std::isfinite(v)) return false;
  value = v;
  return true;
}

std::string FromWindows1252(std::string_view s) {
  // Code points of 0x80..0x9F; the rest of the upper half is Latin-1.
  static constexpr char16_t kHigh[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                         0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                         0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  std::string out;
  out.reserve(s.size());
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out.push_back(ch);
      continue;
    }
    const unsigned cp = c < 0xA0 ? kHigh[c - 0x80] : c;
    if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace tfd
