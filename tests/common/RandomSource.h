#pragma once
// The random numbers the design generators of the property tests draw: whole
// numbers, bytes and picks from a list. A copy repeats what the original
// draws next.

#include <cstdint>
#include <initializer_list>
#include <random>

namespace tfd {

class TRandomSource {
 public:
  explicit TRandomSource(unsigned seed) : rng_(seed) {}

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  std::uint8_t Byte(int lo, int hi) { return static_cast<std::uint8_t>(Int(lo, hi)); }
  template <typename T>
  T OneOf(std::initializer_list<T> values) {
    return *(values.begin() + Int(0, static_cast<int>(values.size()) - 1));
  }

 private:
  std::mt19937 rng_;
};

}  // namespace tfd
