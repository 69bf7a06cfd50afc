// The positions of one character in a text, in order: the walks step from one '<' to the next
// (every tag begins with one) and the tag finder from one candidate first character to the
// next, instead of asking memchr for each.
#pragma once

#include <bit>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/Text.h"

namespace orv::core {

// The positions of `c` from `from` on. The walk of a record asks for the next '<' about ten
// times; tags stand a few bytes apart, so a memchr per tag costs more in its set-up than in
// its search. With SSE2, 64 bytes are compared at once (a record spans one or two such
// blocks, so the loop over blocks rarely turns) and the marks are handed out bit by bit;
// elsewhere memchr finds each.
class CharPositions {
 public:
  CharPositions(std::string_view data, std::size_t from, char c)
      : data_(data), block_(from), c_(c) {
    load();
  }

  // The next position of the character, or npos once there is none.
  std::size_t next() {
#if defined(__SSE2__)
    while (marks_ == 0) {
      if (block_ >= data_.size()) return npos;
      block_ += kBlock;
      load();
    }
    const auto bit = static_cast<std::size_t>(std::countr_zero(marks_));
    marks_ &= marks_ - 1;
    return block_ + bit;
#else
    const std::size_t at = findChar(data_, c_, block_);
    block_ = at == npos ? data_.size() : at + 1;
    return at;
#endif
  }

 private:
  static constexpr std::size_t kBlock = 64;

  // The marks of the block at `block_`: one bit per match, bit 0 for the first byte. The
  // last bytes of the data, fewer than a block, are read one by one, never beyond the end.
  void load() {
#if defined(__SSE2__)
    marks_ = 0;
    if (block_ >= data_.size()) return;
    const char* const p = data_.data() + block_;
    const std::size_t left = data_.size() - block_;
    if (left >= kBlock) {
      const __m128i wanted = _mm_set1_epi8(c_);
      for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const auto mask =
            static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
        marks_ |= std::uint64_t{mask} << (16 * i);
      }
    } else {
      for (std::size_t i = 0; i < left; ++i) marks_ |= std::uint64_t{p[i] == c_} << i;
    }
#endif
  }

  std::string_view data_;
  std::size_t block_;  // SSE2: the first byte of the block; else where the next search begins
  char c_;
  std::uint64_t marks_ = 0;
};

// True when `text` stands in `data` at `at` (at most data.size()).
inline bool standsAt(std::string_view data, std::size_t at, std::string_view text) {
  return data.size() - at >= text.size() &&
         std::char_traits<char>::compare(data.data() + at, text.data(), text.size()) == 0;
}

}  // namespace orv::core
