#include "core/YearWalk.h"

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/Text.h"

namespace orv::core {

namespace {
constexpr std::string_view kRecordOpen = "<R>";
constexpr std::string_view kRecordClose = "</R>";
constexpr std::string_view kMakeOpen = "<MA>";
constexpr std::string_view kMakeClose = "</MA>";
constexpr std::string_view kModelOpen = "<MO>";
constexpr std::string_view kModelClose = "</MO>";
constexpr std::string_view kDimensionsOpen = "<DA>";
constexpr std::string_view kDimensionsClose = "</DA>";

// The value of the element opened at `open` (npos: not yet) and closed at `close`, unless it
// is closed already.
void closeElement(std::optional<std::string_view>& element, std::string_view data, std::size_t open,
                  std::size_t openTagSize, std::size_t close) {
  if (open == npos || element) return;
  const std::size_t value = open + openTagSize;
  element = std::string_view(data.data() + value, close - value);
}

// The positions of '<' in the data from `from` on, in order: every tag begins with one.
// The walk of a record asks for the next one about ten times; tags stand a few bytes
// apart, so a memchr per tag costs more in its set-up than in its search. With SSE2,
// 64 bytes are compared at once (a record spans one or two such blocks, so the loop over
// blocks rarely turns) and the marks are handed out bit by bit; elsewhere memchr finds each.
class TagStarts {
 public:
  TagStarts(std::string_view data, std::size_t from) : data_(data), block_(from) { load(); }

  // The next '<', or npos once there is none.
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
    const std::size_t at = findChar(data_, '<', block_);
    block_ = at == npos ? data_.size() : at + 1;
    return at;
#endif
  }

 private:
  static constexpr std::size_t kBlock = 64;

  // The marks of the block at `block_`: one bit per '<', bit 0 for the first byte. The
  // last bytes of the data, fewer than a block, are read one by one, never beyond the end.
  void load() {
#if defined(__SSE2__)
    marks_ = 0;
    if (block_ >= data_.size()) return;
    const char* const p = data_.data() + block_;
    const std::size_t left = data_.size() - block_;
    if (left >= kBlock) {
      const __m128i angle = _mm_set1_epi8('<');
      for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const auto mask =
            static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, angle)));
        marks_ |= std::uint64_t{mask} << (16 * i);
      }
    } else {
      for (std::size_t i = 0; i < left; ++i) marks_ |= std::uint64_t{p[i] == '<'} << i;
    }
#endif
  }

  std::string_view data_;
  std::size_t block_;  // SSE2: the first byte of the block; else where the next search begins
  std::uint64_t marks_ = 0;
};

}  // namespace

std::size_t YearWalker::moveTo(std::string_view tag) {
  // npos stays npos: findText finds nothing beyond the end.
  const std::size_t found = findText(data_, tag, at_);
  at_ = found == npos ? npos : found + tag.size();
  return found;
}

bool YearWalker::nextRecord(YearRecord& record) {
  if (at_ == npos) return false;
  // One pass over the tags from here on finds the record's "<R>", its end and the first of
  // each element; a value runs to the first closing tag of its name after its opening tag,
  // as a lookup reads it. The tests are written out, not looped over a table: this is the
  // search's inner loop.
  TagStarts tags(data_, at_);
  std::size_t open = tags.next();
  while (open != npos && !data_.substr(open).starts_with(kRecordOpen)) open = tags.next();
  if (open == npos) {
    at_ = npos;
    return false;
  }
  record.open = open;
  record.make.reset();
  record.model.reset();
  record.dimensions.reset();
  std::size_t makeOpen = npos;
  std::size_t modelOpen = npos;
  std::size_t dimensionsOpen = npos;
  // The next '<' is beyond the "R>" of the record's own tag.
  const std::size_t start = open + kRecordOpen.size();
  for (auto at = tags.next(); at != npos; at = tags.next()) {
    const std::string_view rest(data_.data() + at, data_.size() - at);
    if (rest.size() > 1 && rest[1] == '/') {
      if (rest.starts_with(kRecordClose)) {
        record.close = at;
        record.text = std::string_view(data_.data() + start, at - start);
        at_ = at + kRecordClose.size();
        return true;
      }
      if (rest.starts_with(kMakeClose)) {
        closeElement(record.make, data_, makeOpen, kMakeOpen.size(), at);
      } else if (rest.starts_with(kModelClose)) {
        closeElement(record.model, data_, modelOpen, kModelOpen.size(), at);
      } else if (rest.starts_with(kDimensionsClose)) {
        closeElement(record.dimensions, data_, dimensionsOpen, kDimensionsOpen.size(), at);
      }
    } else if (makeOpen == npos && rest.starts_with(kMakeOpen)) {
      makeOpen = at;
    } else if (modelOpen == npos && rest.starts_with(kModelOpen)) {
      modelOpen = at;
    } else if (dimensionsOpen == npos && rest.starts_with(kDimensionsOpen)) {
      dimensionsOpen = at;
    }
  }
  at_ = npos;
  return false;
}

std::optional<Element> YearWalker::nextMake() {
  const std::size_t open = moveTo(kMakeOpen);
  if (open == npos) return std::nullopt;
  const std::size_t close = moveTo(kMakeClose);
  if (close == npos) return std::nullopt;
  const std::size_t value = open + kMakeOpen.size();
  return Element{std::string_view(data_.data() + value, close - value), open, close};
}

std::size_t YearWalker::toRecordEnd() {
  return moveTo(kRecordClose);
}

bool YearWalker::toNextRecord() {
  return moveTo(kRecordOpen) != npos;
}

void forEachMakeName(std::string_view yearData,
                     const std::function<void(std::string_view)>& onMake) {
  YearWalker walk(yearData);
  while (const auto make = walk.nextMake()) onMake(make->value);
}

std::vector<std::string> makeNames(std::string_view yearData) {
  std::vector<std::string> names;
  bool first = true;
  forEachMakeName(yearData, [&](std::string_view make) {
    if (first || names.back() != make) names.emplace_back(make);
    first = false;
  });
  return names;
}

namespace {

// The make scan, with the test of the make as a parameter: the model record of every make
// element for which `wanted` holds.
template <typename Wanted>
void walkModelRecords(std::string_view yearData, const Wanted& wanted,
                      const std::function<void(std::string_view)>& onRecord) {
  YearWalker walk(yearData);
  while (const auto make = walk.nextMake()) {
    if (wanted(make->value)) {
      const std::size_t end = walk.toRecordEnd();
      if (end == npos) return;  // a record without "</R>" cannot be delimited
      onRecord(yearData.substr(make->open, end - make->open));
    }
    if (!walk.toNextRecord()) return;
  }
}

}  // namespace

void forEachModelRecord(std::string_view yearData, std::string_view wantedMake,
                        const std::function<void(std::string_view)>& onRecord) {
  walkModelRecords(
      yearData, [&](std::string_view make) { return equalsTrimmedUpper(make, wantedMake); },
      onRecord);
}

void forEachModelRecord(std::string_view yearData,
                        const std::function<void(std::string_view)>& onRecord) {
  walkModelRecords(
      yearData, [](std::string_view) { return true; }, onRecord);
}

}  // namespace orv::core
