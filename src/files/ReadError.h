#pragma once
// The error that ends a read: its message is what the user is shown.

#include <stdexcept>
#include <string>

namespace tfd {

class TReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";
inline constexpr const char* kInvalidNumber = "Invalid numeric input";
inline constexpr const char* kWrongVersion = "Cannot Open File\rWrong Version";

// "'%s' is not a valid floating point value" with the offending text.
inline std::string NotAFloat(const std::string& text) {
  return "'" + text + "' is not a valid floating point value";
}

}  // namespace tfd
