// What every fuzz target shares: a check that ends the run with a clear message when a
// property fails (libFuzzer then keeps the input), and the cutting of one input into parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace orv::fuzz {

[[noreturn]] inline void fail(const char* condition, const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property failed: %s\n  (%s)\n", file, line, what, condition);
  std::abort();
}

// One fuzz input read from the front: option bytes, then texts cut at the separator byte
// 0x1F, then whatever is left. Reading past the end gives 0 and empty texts.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }

  std::string_view part() {
    const auto end = rest_.find(kSeparator);
    const std::string_view text = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    return text;
  }

  std::string_view rest() const { return rest_; }

  static constexpr char kSeparator = '\x1F';

 private:
  std::string_view rest_;
};

// True when `part` is a view into `whole`.
inline bool within(std::string_view part, std::string_view whole) {
  return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

}  // namespace orv::fuzz

#define FUZZ_CHECK(condition, what) \
  ((condition) ? void(0) : ::orv::fuzz::fail(#condition, what, __FILE__, __LINE__))
