// A small deterministic number stream (splitmix64). The same start value always gives the
// same numbers on every machine, which keeps the sample files byte-identical between runs.
#pragma once

#include <cstdint>

namespace orv::sample {

class NumberStream {
 public:
  explicit NumberStream(std::uint64_t startValue) : state_(startValue) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // A whole number from lo to hi, both included.
  int between(int lo, int hi) {
    return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
  }

  // True `perMille` times in a thousand.
  bool chance(int perMille) { return next() % 1000 < static_cast<std::uint64_t>(perMille); }

 private:
  std::uint64_t state_;
};

}  // namespace orv::sample
