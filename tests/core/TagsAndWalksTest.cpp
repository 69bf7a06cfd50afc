// The tag lookups and the walks over the year data, by hand-written cases; the fuzz targets
// check that they end and keep their invariants over arbitrary bytes.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/TagText.h"
#include "core/YearWalk.h"

namespace orv {

using namespace orv::core;
namespace {

TEST(GetTag, FindsTheValueBetweenOpeningAndClosingTag) {
  const std::tuple<const char*, const char*, long, const char*> cases[] = {
      {"<MO></MO>", "MO", 1, ""},
      {"<mo>Trellan</mo>", "MO", 1, "-1"},      // tags are matched with their case
      {"<MO>a</MO><MO>b</MO>", "MO", 11, "b"},  // start exactly at the second opening tag
      {"<MO>a</MO><MO>b</MO>", "MO", 12, "-1"},
      {"<MO>a</MO>", "MO", -7, "a"},
      {"<R>one<R>two</R>", "R", 1, "one<R>two"},
  };
  for (const auto& [text, tag, start, expected] : cases)
    EXPECT_EQ(F_GETTAG(text, tag, start), expected) << text << " from " << start;
}

// fuzz_tags checks the first word of any text; this the one too long for a 16-bit length,
// which is neither overflowed nor cut.
TEST(FirstWord, OfATextLongerThanA16BitLengthIsWhole) {
  EXPECT_EQ(F_FIRSTWORD(std::string(40000, 'Q') + " x"), std::string(40000, 'Q'));
}

using Strings = std::vector<std::string>;

Strings recordsOf(std::string_view data, std::string_view make) {
  Strings out;
  forEachModelRecord(data, make, [&](std::string_view r) { out.emplace_back(r); });
  return out;
}

// The models of the record walk (the year report's and the search's), "-" for none.
Strings modelsOf(std::string_view data) {
  Strings out;
  YearWalker walk(data);
  for (YearRecord r; walk.nextRecord(r);) out.emplace_back(valueOr(r.model, "-"));
  return out;
}

// The make list keeps names as stored and drops only a repeat of the name just before; the
// scan for "K" ignores case and blanks around the stored make and starts at "<MA>"; the
// record walk (year report, search) gives each record's model, "-" for none. A missing
// "</MA>" or "</R>" ends a walk, and nothing starts over from the beginning.
TEST(YearWalks, ListMakesCollectTheRecordsOfOneMakeAndWalkTheRecords) {
  struct Case {
    std::string data;
    Strings records;  // of make "K"
    Strings makes;
    Strings models;
  };
  const Case cases[] = {
      {"head\r\n<R><MO>x</MO><MA>K</MA>a</R>\r\n<R><MA>K</MA></R><R><MA> k </MA>b</R>\r\n"
       "<R><MA>J</MA></R><R><MA>KX</MA></R><R><MA>K</MA>c</R>\r\nfoot",
       {"<MA>K</MA>a", "<MA>K</MA>", "<MA> k </MA>b", "<MA>K</MA>c"},
       {"K", " k ", "J", "KX", "K"},
       {"x", "-", "-", "-", "-", "-"}},
      {"", {}, {}, {}},
      {"<R><MO>x</MO></R><R><DA> 1</DA></R>", {}, {}, {"x", "-"}},
      {"<R><MA>K<MO>x</MO></R>", {}, {}, {"x"}},
      {"<R><MA>K</MA>a</R><R><MA>K</MA><MO>b</MO>", {"<MA>K</MA>a"}, {"K"}, {"-"}},
      {"<R><MA>K</MA>a<R><MA>J</MA>b</R><R><MA>K</MA>c</R>",
       {"<MA>K</MA>a<R><MA>J</MA>b", "<MA>K</MA>c"},
       {"K", "J", "K"},
       {"-", "-"}},
      {"<R><MA>K</MA>a</R><R>junk</R><R><MA>K</MA>b</R>",
       {"<MA>K</MA>a", "<MA>K</MA>b"},
       {"K"},
       {"-", "-", "-"}},
      {"<MA>K</MA>x</R>", {"<MA>K</MA>x"}, {"K"}, {}},
      {"<R><MA>J</MA></R><MA>K</MA>x</R>", {}, {"J", "K"}, {"-"}},  // no further "<R>"
  };
  for (const auto& c : cases) {
    EXPECT_EQ(recordsOf(c.data, "K"), c.records) << c.data;
    EXPECT_EQ(makeNames(c.data), c.makes) << c.data;
    EXPECT_EQ(modelsOf(c.data), c.models) << c.data;
  }
}

}  // namespace
}  // namespace orv
