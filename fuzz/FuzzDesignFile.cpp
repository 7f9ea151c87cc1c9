#include "FuzzKit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tfd::fuzz::Load(data, size, "f.TFI");
  return 0;
}
