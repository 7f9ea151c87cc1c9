#pragma once
// Little-endian output of the design file's encodings: bytes, words, 6-byte
// reals and length-prefixed 8-bit strings.

#include <cstdint>
#include <string>
#include <string_view>

namespace tfd {

// The 6 bytes of a real (exponent biased by 129, 39-bit fraction, sign in the
// top bit), the inverse of Real6. Values too small for the exponent are 0;
// values too large (or not finite) are the largest the encoding holds.
void PutReal6(double value, unsigned char out[6]);

class TByteWriter {
 public:
  void Byte(int v) { bytes_.push_back(static_cast<char>(v & 0xFF)); }
  void Word(int v) {
    Byte(v);
    Byte(v >> 8);
  }
  void DoubleWord(std::uint32_t v) {
    Word(static_cast<int>(v & 0xFFFF));
    Word(static_cast<int>(v >> 16));
  }
  void Real(double v);
  // A word length and the bytes, cut to the 32767 bytes a word can count.
  void String(std::string_view s);
  void Raw(std::string_view s) { bytes_.append(s); }

  std::string& Bytes() { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace tfd
