#pragma once
// Sequential reading of a text file held in memory: lines, single characters,
// whole and decimal numbers. Every read is bounds-checked; reading past the
// end throws TReadError. Line ends are CR LF, LF or a lone CR.

#include <cstddef>
#include <string>
#include <string_view>

namespace tfd {

class TTextInput {
 public:
  explicit TTextInput(std::string_view text) : text_(text) {}

  bool Eof() const { return pos_ >= text_.size(); }
  bool AtLineEnd() const { return Eof() || text_[pos_] == '\r' || text_[pos_] == '\n'; }

  // The rest of the current line; the position moves to the next line.
  std::string ReadLine();
  void SkipLine();
  // Reads characters up to and including the next ':'.
  void SkipToColon();
  // One character; a line end reads as a blank and does not move to the next line.
  char ReadChar();
  // Blanks, tabs and line ends are skipped first.
  long ReadInteger();
  double ReadReal();

  std::size_t Position() const { return pos_; }
  // Back (or on) to a position taken from Position().
  void Seek(std::size_t pos) { pos_ = pos < text_.size() ? pos : text_.size(); }
  // The rest of the current line, without moving.
  std::string_view PeekLine() const;
  // The 1-based number of the line the position is in. Counting goes on from
  // the last question, so asking as the reading moves costs linear time.
  int LineNumber();

 private:
  void SkipSpace();
  std::string_view Token();
  bool EndsLine(std::size_t i) const;

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t countedTo_ = 0;  // line ends before this position are counted in countedLine_
  int countedLine_ = 1;
};

// Text helpers shared by the readers.
std::string TrimText(std::string_view s);               // drops characters up to code 32 at both ends
bool SameText(std::string_view a, std::string_view b);  // ASCII case-insensitive
bool ContainsText(std::string_view hay, std::string_view needle);  // case-insensitive
// A whole number made of the whole text (an optional sign, digits); false otherwise.
bool ParseWhole(std::string_view s, long& value);
// A decimal number made of the whole text (blanks around allowed); false otherwise.
bool ParseDecimal(std::string_view s, double& value);
// 8-bit Windows text as UTF-8.
std::string FromWindows1252(std::string_view s);

}  // namespace tfd
