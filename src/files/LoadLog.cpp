#include "files/LoadLog.h"

#include "files/TextInput.h"

namespace tfd {

void TLoadLog::Warn(int line, std::string_view text, const char* why) {
  if (warnings_.size() >= kMaxWarnings) {
    ++leftOut_;
    return;
  }
  std::string shown = TrimText(text);
  if (shown.size() > kMaxWarningText) shown = shown.substr(0, kMaxWarningText) + "...";
  warnings_.push_back({line, FromWindows1252(shown), why});
}

std::vector<TLoadWarning> TLoadLog::TakeWarnings() {
  std::vector<TLoadWarning> out = std::move(warnings_);
  warnings_.clear();
  if (leftOut_ > 0) out.push_back({0, std::to_string(leftOut_) + " more", "further warnings left out"});
  leftOut_ = 0;
  return out;
}

void TLoadLog::RunDeferred() {
  for (auto& complete : deferred_) complete();
  deferred_.clear();
}

}  // namespace tfd
