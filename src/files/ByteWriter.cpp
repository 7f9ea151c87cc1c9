#include "files/ByteWriter.h"

#include <cmath>
#include <cstdint>

namespace tfd {

void PutReal6(double value, unsigned char out[6]) {
  for (int i = 0; i < 6; ++i) out[i] = 0;
  if (value == 0.0 || std::isnan(value)) return;
  const bool negative = value < 0.0;
  int e = 0;
  const double m = std::frexp(std::fabs(value), &e);  // |value| = m x 2^e, m in [0.5, 1)
  int exponent = e - 1 + 129;
  auto fraction = static_cast<std::uint64_t>(std::llround((m * 2.0 - 1.0) * 549755813888.0));
  if (fraction >> 39) {  // rounding carried into the next power of two
    fraction = 0;
    ++exponent;
  }
  if (exponent < 1) return;
  if (exponent > 255 || std::isinf(value)) {
    exponent = 255;
    fraction = (std::uint64_t{1} << 39) - 1;
  }
  out[0] = static_cast<unsigned char>(exponent);
  for (int i = 0; i < 5; ++i) out[1 + i] = static_cast<unsigned char>((fraction >> (8 * i)) & 0xFF);
  if (negative) out[5] |= 0x80;
}

void TByteWriter::Real(double v) {
  unsigned char b[6];
  PutReal6(v, b);
  for (unsigned char c : b) Byte(c);
}

void TByteWriter::String(std::string_view s) {
  if (s.size() > 32767) s = s.substr(0, 32767);
  Word(static_cast<int>(s.size()));
  bytes_.append(s);
}

}  // namespace tfd
