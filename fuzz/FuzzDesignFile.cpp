#include <string>

#include "FuzzKit.h"
#include "files/DesignFileWriter.h"

namespace {

// Whatever the reader accepts, the writer writes, and the reader reads back
// to the same design: the second copy writes the very same bytes.
void ExpectWriteReadsBack(const std::uint8_t* data, std::size_t size) {
  static tfd::TMech* first = new tfd::TMech;
  static tfd::TMech* second = new tfd::TMech;
  static tfd::THtmlSettings html;
  tfd::TLoadContext context{tfd::fuzz::Lists(), html, nullptr};
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (!tfd::LoadDesignFromBytes(*first, "f.TFI", input, context).Ok()) return;
  const std::string written = tfd::WriteDesignFile(*first, tfd::fuzz::Lists());
  const tfd::TLoadResult again = tfd::LoadDesignFromBytes(*second, "f.TFI", written, context);
  if (!again.Ok()) {
    std::fprintf(stderr, "a written design does not load: %s\n", again.Message.c_str());
    std::abort();
  }
  // The loader rebuilds the power-plant text, not always to the same text
  // (a rating of 0 adds a word each time): that text is taken as written.
  second->Texts[tfd::txtPowerPlant] = first->Texts[tfd::txtPowerPlant];
  if (tfd::WriteDesignFile(*second, tfd::fuzz::Lists()) != written) {
    std::fprintf(stderr, "a written design reads back to another design\n");
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tfd::fuzz::Load(data, size, "f.TFI");
  ExpectWriteReadsBack(data, size);
  return 0;
}
