#include "files/LoadLimits.h"

namespace tfd {

std::string FileTooLargeMessage() {
  return "Not loaded: the file is larger than " + std::to_string(kMaxFileBytes >> 20) +
         " MB, far beyond any design file or readout";
}

std::string TooManyItemsMessage() {
  return "Not loaded: a configuration holds more than " + std::to_string(kMaxItemsPerConfiguration) +
         " items, the most a design may hold";
}

std::string ListTooLongMessage() {
  return "Not loaded: a list (armament, manufacturers or overview) has more than " +
         std::to_string(kMaxListLines) + " lines, the most a design may hold";
}

std::string TextTooLongMessage() {
  return "Not loaded: a text has more than " + std::to_string(kMaxTextChars) +
         " characters, the most a design may hold";
}

void CheckListLines(long lines) {
  if (lines > kMaxListLines) throw TLimitError(ListTooLongMessage());
}

void CheckTextChars(std::size_t chars) {
  if (chars > kMaxTextChars) throw TLimitError(TextTooLongMessage());
}

}  // namespace tfd
