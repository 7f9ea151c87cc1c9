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

// `flush` false leaves the flush to the disk to the caller (a batch that
// writes many files flushes once at the end, FlushFolder): the target is still
// replaced only by a complete file.
TWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes, bool flush = true);

// Flushes everything written to the file system that holds `folder`.
void FlushFolder(const std::string& folder);

}  // namespace tfd
