#pragma once
// Replacing a file only when its new contents are complete: the bytes go to a
// temporary file in the target's folder, are flushed to the disk, and the
// temporary file is then renamed over the target. Any failure leaves the
// target as it was and no temporary file behind.

#include <string>
#include <string_view>

namespace tfd {

struct TWriteResult {
  bool Ok = true;
  std::string Message;  // the reason, in the user's words, when not Ok
};

TWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tfd
