// The year files of the sample data: invented makes and models with plausible measurements
// and the irregularities real year files have (missing elements, short or blank fields).
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "NumberStream.h"
#include "SampleData.h"

namespace orv::sample {

namespace {

constexpr std::uint64_t kStartValue = 0x4F52562D44415441ULL;
constexpr std::string_view kCrLf = "\r\n";

struct MakePlan {
  std::string_view name;
  int from;
  int to;
  int models;  // usual number of models a year
};

// Sorted by name: the files list makes in this order.
constexpr std::array<MakePlan, 19> kMakes{{
    {"ALDERYN", 1971, 9999, 20}, {"BRISKEL", 1971, 1994, 8},  {"DUNMARA", 1971, 9999, 15},
    {"ESKARO", 1980, 9999, 12},  {"GALDRIN", 1971, 2010, 18}, {"HOLVERA", 1971, 9999, 60},
    {"ISMORAN", 1990, 9999, 10}, {"KESTRO", 1971, 9999, 48},  {"LUMARET", 1971, 9999, 25},
    {"MORVIK", 1975, 9999, 16},  {"NERALDI", 1971, 1988, 6},  {"OSSIVAR", 1995, 9999, 9},
    {"PELLORA", 1971, 9999, 22}, {"RADOVEN", 1971, 9999, 17}, {"SOLVARI", 1984, 9999, 12},
    {"TAVRIK", 1971, 2003, 7},   {"VESSARO", 2000, 9999, 11}, {"WYNDAL", 1971, 9999, 14},
    {"YARROVEN", 2012, 9999, 5},
}};
constexpr std::size_t kHolvera = 5;
constexpr std::size_t kKestro = 7;

// Model group words are built from these halves: ten times ten invented words.
constexpr std::array<std::string_view, 10> kWordStarts{"Tr", "Qu", "Z",  "Pr", "Kh",
                                                       "Sk", "Br", "Dr", "Fl", "Gh"};
constexpr std::array<std::string_view, 10> kWordEnds{"ellan", "orvix", "yndor", "astrel", "ennet",
                                                     "olvik", "ubrel", "oska",  "ethra",  "alcen"};
constexpr std::array<std::string_view, 7> kBodies{"",          "Sedan", "Coupe", "Wagon",
                                                  "Hatchback", "Van",   "Pickup"};
constexpr std::array<std::string_view, 7> kTrims{"", "GL", "LX", "Sport", "4x4", "Long", "2.0"};
constexpr int kVariants = static_cast<int>(kBodies.size() * kTrims.size());
constexpr int kMaxGroups = 14;

struct Model {
  std::string name;
  double size;  // 0 small .. 1 large, shared by the models of a group
  int body;     // index into kBodies
};

std::string groupWord(int index) {
  return std::string(kWordStarts[static_cast<std::size_t>(index / 10 % 10)]) +
         std::string(kWordEnds[static_cast<std::size_t>(index % 10)]);
}

// The models of one make in one year, grouped by first word, groups in alphabetical order.
std::vector<Model> makeModels(int makeIndex, int count) {
  const int groups = std::clamp(count / 5, std::min(count, 2), kMaxGroups);
  std::vector<std::pair<std::string, int>> words;  // word, pool index
  for (int g = 0; g < groups; ++g) {
    // 13 is coprime with 100, so the groups of one make never share a word.
    const int index = (makeIndex * 37 + g * 13) % 100;
    words.emplace_back(groupWord(index), index);
  }
  std::sort(words.begin(), words.end());
  std::vector<Model> models;
  models.reserve(static_cast<std::size_t>(count));
  for (int g = 0; g < groups; ++g) {
    NumberStream shape(kStartValue ^ (static_cast<std::uint64_t>(makeIndex) << 16) ^
                       static_cast<std::uint64_t>(words[static_cast<std::size_t>(g)].second));
    const double size = static_cast<double>(shape.next() % 1000) / 1000.0;
    const int inGroup = count / groups + (g < count % groups ? 1 : 0);
    for (int v = 0; v < inGroup; ++v) {
      // 11 is coprime with 49: distinct body and trim pairs within a group.
      const int variant = (g * 5 + v * 11) % kVariants;
      const auto body = static_cast<std::size_t>(variant / static_cast<int>(kTrims.size()));
      const auto trim = static_cast<std::size_t>(variant % static_cast<int>(kTrims.size()));
      std::string name = words[static_cast<std::size_t>(g)].first;
      if (!kBodies[body].empty()) name.append(" ").append(kBodies[body]);
      if (!kTrims[trim].empty()) name.append(" ").append(kTrims[trim]);
      models.push_back({std::move(name), size, static_cast<int>(body)});
    }
  }
  return models;
}

std::string rightAligned(int value, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%*d", width, value);
  return buf;
}

// A value that is not available, in one of the three stored forms.
std::string missingField(NumberStream& stream, int width) {
  switch (stream.between(0, 2)) {
    case 0:
      return std::string(static_cast<std::size_t>(width), ' ');
    case 1:
      return rightAligned(-1, width);
    default:
      return std::string(static_cast<std::size_t>(width - 3), ' ') + "N/A";
  }
}

std::string dimensionString(const Model& m, int year, NumberStream& stream) {
  const bool van = kBodies[static_cast<std::size_t>(m.body)] == "Van";
  const bool pickup = kBodies[static_cast<std::size_t>(m.body)] == "Pickup";
  const double s = m.size;
  const int ol = std::clamp(static_cast<int>(380 + s * 190) + stream.between(-8, 8), 350, 600);
  const int wb =
      std::clamp(static_cast<int>(ol * 0.57) + stream.between(-6, 6) + (van ? 8 : 0), 200, 340);
  const int ow = std::clamp(static_cast<int>(155 + s * 45) + stream.between(-4, 4), 150, 210);
  const int oh = std::clamp(
      static_cast<int>(128 + s * 22) + stream.between(-3, 3) + (van ? 38 : 0) + (pickup ? 26 : 0),
      120, 200);
  const int tf = std::clamp(ow - 26 + stream.between(-3, 3), 120, 180);
  const int tr = std::clamp(tf + stream.between(-4, 3), 120, 180);
  const int cw = std::clamp(static_cast<int>(720 + s * 1850) + stream.between(-90, 90) +
                                (pickup ? 240 : 0) + (van ? 180 : 0) + (year - 1971) * 3,
                            700, 3000);
  const int front = std::clamp(50 + static_cast<int>(s * 8) + stream.between(-2, 5), 45, 65);
  const int f = std::clamp(static_cast<int>(72 + s * 32) + stream.between(-4, 4), 60, 120);
  const std::array<int, 7> lettered{
      std::clamp(static_cast<int>(112 + s * 68) + stream.between(-5, 5), 90, 200),
      std::clamp(static_cast<int>(92 + s * 70) + stream.between(-6, 6), 80, 200),
      std::clamp(40 + static_cast<int>(s * 14) + stream.between(-3, 3), 30, 70),
      std::clamp(48 + static_cast<int>(s * 16) + stream.between(-3, 3), 40, 80),
      std::clamp(104 + static_cast<int>(s * 40) + stream.between(-4, 4), 95, 160),
      f,
      std::clamp(ol - wb - f, 50, 170),
  };
  // Track widths were often not measured in the older years.
  const int trackMissing = year < 1995 ? 250 : 30;
  std::string out;
  out.reserve(50);
  const auto field = [&](int value, int width, int missingPerMille) {
    out +=
        stream.chance(missingPerMille) ? missingField(stream, width) : rightAligned(value, width);
  };
  for (int v : lettered) field(v, 3, 15);
  field(ol, 3, 10);
  field(ow, 3, 10);
  field(oh, 3, 10);
  field(wb, 3, 8);
  field(tf, 3, trackMissing);
  field(tr, 3, trackMissing);
  field(cw, 4, 20);
  if (stream.chance(20)) {
    out += missingField(stream, 5);
  } else {
    out += std::to_string(front) + "/" + std::to_string(100 - front);
  }
  const int measured = year - stream.between(0, 1);
  out += stream.chance(100) ? "  " : rightAligned(measured % 100 + 100, 3).substr(1);
  return out;
}

enum class Quirk { None, NoModel, NoDimensions, ShortDimensions, Dimensions48 };

void appendRecord(std::string& out, std::string_view make, const Model& model, int year,
                  Quirk quirk, NumberStream& stream) {
  if (quirk == Quirk::None) {
    if (stream.chance(8))
      quirk = Quirk::NoModel;
    else if (stream.chance(8))
      quirk = Quirk::NoDimensions;
    else if (stream.chance(15))
      quirk = Quirk::ShortDimensions;
  }
  // Most records stand on one line; some are written one element a line.
  const std::string_view gap = stream.chance(50) ? kCrLf : std::string_view();
  out.append("<R>").append(gap);
  out.append("<MA>").append(make).append("</MA>").append(gap);
  if (quirk != Quirk::NoModel) out.append("<MO>").append(model.name).append("</MO>").append(gap);
  std::string dims = dimensionString(model, year, stream);
  // Short strings end after a whole field: the fields that follow are simply not there.
  static constexpr std::array<int, 8> kCuts{9, 21, 24, 30, 33, 36, 39, 43};
  if (quirk == Quirk::ShortDimensions)
    dims.resize(static_cast<std::size_t>(kCuts[stream.next() % kCuts.size()]));
  if (quirk == Quirk::Dimensions48) dims.resize(48);
  if (quirk != Quirk::NoDimensions) out.append("<DA>").append(dims).append("</DA>").append(gap);
  // An element no reader knows; it must be skipped.
  if (stream.chance(10)) out.append("<NT>checked</NT>").append(gap);
  out.append("</R>").append(kCrLf);
}

int modelsThisYear(std::size_t makeIndex, int year, NumberStream& stream) {
  const MakePlan& plan = kMakes[makeIndex];
  // One large make passes a hundred models in the middle years.
  if (makeIndex == kHolvera && year >= 1985 && year <= 2004) return 104 + (year % 7) * 2;
  const int spread = std::max(1, plan.models / 6);
  const int count = plan.models + stream.between(-spread, spread);
  if (makeIndex == kKestro) return std::max(count, 42);  // always more than forty
  return std::max(count, 1);
}

}  // namespace

std::string yearText(int year) {
  NumberStream stream(kStartValue + static_cast<std::uint64_t>(year) * 0x1000193ULL);
  std::vector<std::pair<std::size_t, int>> plan;  // make, model count
  int total = 0;
  for (std::size_t i = 0; i < kMakes.size(); ++i) {
    if (year < kMakes[i].from || year > kMakes[i].to) continue;
    plan.emplace_back(i, modelsThisYear(i, year, stream));
    total += plan.back().second;
  }
  const std::string y = std::to_string(year);
  std::string out;
  out.reserve(static_cast<std::size_t>(total) * 120 + 256);
  out.append("ORV model year ").append(y).append(" - vehicle dimension data").append(kCrLf);
  out.append("Lengths in centimetres, curb weight in kilograms.").append(kCrLf).append(kCrLf);
  // Every file holds at least one record of each kind the readers must cope with.
  const int noModelAt = total / 3;
  const int noDimensionsAt = 2 * total / 3;
  const int dims48At = total / 2;
  int index = 0;
  for (const auto& [make, count] : plan) {
    for (const Model& model : makeModels(static_cast<int>(make), count)) {
      Quirk quirk = Quirk::None;
      if (index == noModelAt) quirk = Quirk::NoModel;
      if (index == noDimensionsAt) quirk = Quirk::NoDimensions;
      if (index == dims48At) quirk = Quirk::Dimensions48;
      appendRecord(out, kMakes[make].name, model, year, quirk, stream);
      ++index;
    }
    out.append(kCrLf);  // a blank line between makes, as in the published files
  }
  out.append("End of model year ").append(y).append(".").append(kCrLf);
  return out;
}

std::string bulkYearText(std::size_t minBytes) {
  constexpr int kAverageModels = 230;
  constexpr std::size_t kRecordBytes = 105;
  const std::size_t perMake = kAverageModels * kRecordBytes;
  // Three-digit suffixes keep the makes sorted.
  const int perBase = std::min(999, static_cast<int>(minBytes / (kMakes.size() * perMake)) + 2);
  NumberStream stream(kStartValue ^ 0xB01CULL);
  std::string out;
  out.reserve(minBytes + perMake * 4);
  for (std::size_t base = 0; base < kMakes.size() && out.size() < minBytes; ++base) {
    for (int n = 1; n <= perBase && out.size() < minBytes; ++n) {
      char suffix[8];
      std::snprintf(suffix, sizeof suffix, "%03d", n);
      const std::string make = std::string(kMakes[base].name) + suffix;
      const int count = stream.between(kAverageModels - 80, kAverageModels + 80);
      const int makeIndex = static_cast<int>(base) * 1000 + n;
      for (const Model& model : makeModels(makeIndex, count)) {
        appendRecord(out, make, model, 2005, Quirk::None, stream);
      }
    }
  }
  return out;
}

}  // namespace orv::sample
