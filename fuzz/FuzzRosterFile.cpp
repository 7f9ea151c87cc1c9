#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/RosterFile.h"

// The roster reader refuses or accepts any text without harm, and what it
// accepts is written back into a file it reads the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tfd::TRosterReadResult first = tfd::RosterFromJson(text);
  if (!first.Ok()) return 0;
  const tfd::TRosterReadResult again = tfd::RosterFromJson(tfd::RosterToJson(first.Data));
  if (!again.Ok() || again.Data.Positions.size() != first.Data.Positions.size() ||
      again.Data.Organization != first.Data.Organization)
    std::abort();
  return 0;
}
