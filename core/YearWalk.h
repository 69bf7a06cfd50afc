// The year file and the walks over it. A year file is a flat sequence of records, each from
// "<R>" to the next "</R>"; inside a record stand elements "<TAG>value</TAG>", of which only
// the first of each name counts: the make "MA", the model "MO" and the dimension string "DA".
// Text between records is skipped. Every reader of year data (the make list, the make scan,
// the year report, the search) walks it with a YearWalker: each step searches forward from
// where the last one stopped, so a walk is one linear pass that never starts over, and a step
// whose closing tag is missing ends the walk. No tree, no index, no copy of the data.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CharPositions.h"
#include "core/TagText.h"

namespace orv::core {

// One record: where its tags stand, the text between them, and the values of its first make,
// model and dimension elements, each as a tag lookup in the record's text finds it (so an
// element whose closing tag lies beyond the record's "</R>" is absent). Views into the data.
struct YearRecord {
  std::size_t open = 0;   // position of "<R>" in the year data
  std::size_t close = 0;  // position of its "</R>"
  std::string_view text;  // between the two
  std::optional<std::string_view> make, model, dimensions;
};

// The value of a record's element, or `absent` when the record has none.
inline std::string_view valueOr(const std::optional<std::string_view>& value,
                                std::string_view absent) {
  return value ? *value : absent;
}

// A walk over year data. Each step searches from the end of the tag the last step found (no
// tag text can begin inside another). Once a step finds nothing, the walk is over and every
// later step finds nothing too.
class YearWalker {
 public:
  explicit YearWalker(std::string_view yearData) : data_(yearData), tags_(yearData, 0, '<') {}

  // Reads the next record into `record` (reused from call to call: the search's inner loop);
  // the walk then goes on after its "</R>". False when no "<R>" follows, or when the record
  // has no "</R>": it cannot be delimited, so the rest is not read.
  bool nextRecord(YearRecord& record);

  // The next make element, inside a record or not; the walk then goes on after its "</MA>".
  // Nothing when none follows or it is not closed.
  std::optional<Element> nextMake();

  // Moves to the next "</R>", the end of the record the walk is in; its position, or npos.
  std::size_t toRecordEnd();

  // Moves to the next "<R>"; false when none follows.
  bool toNextRecord();

 private:
  std::size_t moveTo(std::string_view tag);

  std::string_view data_;
  std::size_t at_ = 0;  // where the next search begins; npos once the walk is over
  CharPositions tags_;  // the '<' from at_ on
};

// Calls `onMake` with each make name as stored, in file order: every make element, from one
// to the next.
void forEachMakeName(std::string_view yearData,
                     const std::function<void(std::string_view)>& onMake);

// The make list: every make name, a name dropped only when it repeats the one added just
// before it (so a make that comes back after another make is listed again).
std::vector<std::string> makeNames(std::string_view yearData);

// The make scan: calls `onRecord` with each model record (from its "<MA>" up to, not
// including, its "</R>") whose make, trimmed and upper-cased, equals `wantedMake`. It takes
// the first make element of the data, then the first one after each following "<R>".
// `wantedMake` must already be trimmed and upper-cased.
void forEachModelRecord(std::string_view yearData, std::string_view wantedMake,
                        const std::function<void(std::string_view)>& onRecord);

// The same scan taking the model record of every make: the whole year, in file order.
void forEachModelRecord(std::string_view yearData,
                        const std::function<void(std::string_view)>& onRecord);

}  // namespace orv::core
