#pragma once
// What a loaded design may hold. The limits lie far above any real design (a
// design file counts a configuration's items in one byte, so 255 at most); a
// file that goes past them is refused whole, so that no file can make a load
// take memory or time without end.

#include <cstddef>
#include <string>

#include "files/ReadError.h"

namespace tfd {

inline constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;  // 16 MB
inline constexpr int kMaxItemsPerConfiguration = 1000;
inline constexpr long kMaxListLines = 1000;          // armament, manufacturers, overview
inline constexpr std::size_t kMaxTextChars = 10000;  // one text, or one line of a list

// A file beyond a limit: the load fails with this message and keeps nothing.
class TLimitError : public TReadError {
 public:
  using TReadError::TReadError;
};

std::string FileTooLargeMessage();
std::string TooManyItemsMessage();
std::string ListTooLongMessage();
std::string TextTooLongMessage();

// Throws TLimitError when a list of `lines` lines or a text of `chars`
// characters would go past its limit.
void CheckListLines(long lines);
void CheckTextChars(std::size_t chars);

}  // namespace tfd
