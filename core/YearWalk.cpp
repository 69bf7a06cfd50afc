#include "core/YearWalk.h"

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

}  // namespace

std::size_t YearWalker::moveTo(std::string_view tag) {
  if (at_ == npos) return npos;
  // The tags' '<' are handed out in order; the one of the tag found last has been taken, and
  // no other '<' stands inside a tag, so the next one is at or after at_.
  std::size_t found = tags_.next();
  while (found != npos && !standsAt(data_, found, tag)) found = tags_.next();
  at_ = found == npos ? npos : found + tag.size();
  return found;
}

bool YearWalker::nextRecord(YearRecord& record) {
  if (at_ == npos) return false;
  // One pass over the tags from here on finds the record's "<R>", its end and the first of
  // each element; a value runs to the first closing tag of its name after its opening tag,
  // as a lookup reads it. The tests are written out, not looped over a table: this is the
  // search's inner loop.
  std::size_t open = tags_.next();
  while (open != npos && !standsAt(data_, open, kRecordOpen)) open = tags_.next();
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
  for (auto at = tags_.next(); at != npos; at = tags_.next()) {
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
