// The walks over the year data: the make list and the make scan. Besides their results,
// they must stop on every malformed, truncated or binary input.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "NumberStream.h"
#include "YearWalk.h"

namespace orv {
namespace {

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
// scan for "K" ignores case and blanks around the stored make and starts at "<MA>". Both
// stop or skip on malformed data.
TEST(YearWalks, ListMakesAndCollectTheRecordsOfOneMake) {
  struct Case {
    std::string data;
    Strings records;  // of make "K"
    Strings makes;
  };
  const Case cases[] = {
      {"head\r\n<R><MO>x</MO><MA>K</MA>a</R>\r\n<R><MA>K</MA></R><R><MA> k </MA>b</R>\r\n"
       "<R><MA>J</MA></R><R><MA>KX</MA></R><R><MA>K</MA>c</R>\r\nfoot",
       {"<MA>K</MA>a", "<MA>K</MA>", "<MA> k </MA>b", "<MA>K</MA>c"},
       {"K", " k ", "J", "KX", "K"}},
      {"", {}, {}},
      {"-1", {}, {}},
      {"<R><MO>x</MO></R><R><DA> 1</DA></R>", {}, {}},
      {"<R><MA>K<MO>x</MO></R>", {}, {}},
      {"<R><MA>K</MA>a</R><R><MA>K</MA>b", {"<MA>K</MA>a"}, {"K"}},
      {"<R><MA>K</MA>a<R><MA>J</MA>b</R><R><MA>K</MA>c</R>",
       {"<MA>K</MA>a<R><MA>J</MA>b", "<MA>K</MA>c"},
       {"K", "J", "K"}},
      {"<R><MA>K</MA>a</R><R>junk</R><R><MA>K</MA>b</R>", {"<MA>K</MA>a", "<MA>K</MA>b"}, {"K"}},
      {"<MA>K</MA>x</R>", {"<MA>K</MA>x"}, {"K"}},
      {"<R><MA>J</MA></R><MA>K</MA>x</R>", {}, {"J", "K"}},  // no further "<R>" ends the scan
  };
  for (const auto& c : cases) {
    EXPECT_EQ(recordsOf(c.data, "K"), c.records) << c.data;
    EXPECT_EQ(makeNames(c.data), c.makes) << c.data;
  }
}

// Tags, pieces of tags and arbitrary bytes in a fixed pseudo-random order, so that whole
// records, broken records and unclosed elements are all frequent: the walks must end.
TEST(YearWalkRobustness, OneMegabyteOfNoiseTerminates) {
  static constexpr std::string_view kTokens[] = {"<MA>", "</MA>", "<R>", "</R>", "K",   " ",
                                                 "<M",   "A>",    "</",  "R",    "<MO>"};
  sample::NumberStream stream(12345);
  std::string data;
  while (data.size() < (1u << 20)) {
    const auto n = stream.next();
    data += kTokens[(n >> 8) % std::size(kTokens)];
    if ((n & 7) == 0) data += static_cast<char>(n >> 16);
  }
  std::size_t records = 0;
  for (std::string_view make : {"K", "", "MA", "R"}) records += recordsOf(data, make).size();
  EXPECT_GT(records, 0u);
  EXPECT_FALSE(modelsOf(data).empty());
  EXPECT_FALSE(makeNames(data).empty());
}

// At each cut of a small year file, the records of "K", the make list and the records of the
// record walk are exactly those whose closing tags lie before the cut.
TEST(YearWalkRobustness, EveryCutOfASmallYearFileGivesTheCompleteRecordsBeforeIt) {
  const std::string full =
      "ORV model year 1995\r\n\r\n"
      "<R><MA>J</MA><MO>Zellan</MO><DA>127104 39</DA></R>\r\n"
      "<R>\r\n<MA>K</MA>\r\n<MO>Trellan GL</MO>\r\n<DA> 95</DA>\r\n</R>\r\n"
      "<R><MA>K</MA><DA>   </DA></R>\r\n"
      "<R><MA>L</MA><MO>Quorvix</MO></R>\r\n"
      "<R><MA>K</MA><MO>Vennet</MO></R>\r\n"
      "End.\r\n";
  const auto endOf = [&](std::string_view text, std::size_t from = 0) {
    return full.find(text, from) + text.size();
  };
  const Strings records = {"<MA>K</MA>\r\n<MO>Trellan GL</MO>\r\n<DA> 95</DA>\r\n",
                           "<MA>K</MA><DA>   </DA>", "<MA>K</MA><MO>Vennet</MO>"};
  const std::pair<std::string, std::size_t> makes[] = {
      {"J", endOf("<MA>J</MA>")},
      {"K", endOf("<MA>K</MA>")},  // the second "K" just repeats it
      {"L", endOf("<MA>L</MA>")},
      {"K", endOf("<MA>K</MA>", full.find("Quorvix"))}};
  const std::pair<std::string, std::size_t> models[] = {
      {"Zellan", endOf("</R>")},
      {"Trellan GL", endOf("</R>", full.find("Trellan"))},
      {"-", endOf("</R>", full.find("<DA>   "))},
      {"Quorvix", endOf("</R>", full.find("Quorvix"))},
      {"Vennet", endOf("</R>", full.find("Vennet"))}};
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    Strings expectRecords, expectMakes;
    for (const auto& text : records)
      if (endOf(text) + 4 <= cut) expectRecords.push_back(text);  // up to its "</R>"
    for (const auto& [name, end] : makes)
      if (end <= cut) expectMakes.push_back(name);
    Strings expectModels;
    for (const auto& [model, end] : models)
      if (end <= cut) expectModels.push_back(model);
    const std::string_view part(full.data(), cut);
    EXPECT_EQ(recordsOf(part, "K"), expectRecords) << "cut at " << cut;
    EXPECT_EQ(makeNames(part), expectMakes) << "cut at " << cut;
    EXPECT_EQ(modelsOf(part), expectModels) << "cut at " << cut;
  }
}

}  // namespace
}  // namespace orv
