#pragma once
// What a test prepares for the dialogs of a seam: answers used in order
// instead of showing a dialog, how often a dialog was asked for, and whether
// a dialog without a prepared answer is never shown. The program itself
// never sets any of it.

#include <QList>
#include <optional>

namespace tfd {

template <typename T>
class TSeamAnswers {
 public:
  // Counts the question; the next prepared answer, if there is one.
  std::optional<T> Take() {
    ++asked_;
    if (answers_.isEmpty()) return std::nullopt;
    return answers_.takeFirst();
  }
  void Add(const T& answer) { answers_ << answer; }
  void NeverShow() { neverShow_ = true; }
  bool NeverShows() const { return neverShow_; }
  int Asked() const { return asked_; }
  // Forgets the prepared answers and the count.
  void Clear() {
    answers_.clear();
    asked_ = 0;
  }

 private:
  QList<T> answers_;
  int asked_ = 0;
  bool neverShow_ = false;
};

}  // namespace tfd
