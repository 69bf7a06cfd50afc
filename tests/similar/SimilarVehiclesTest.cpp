// The sister vehicles over small year files, every distance computed by hand: tolerances,
// ranking and ties, measures missing, the cut at 2000 and the reference vehicle left out.
#include "SimilarFolder.h"

namespace orv::output::testing {
namespace {

using core::Field;
using Lines = std::vector<std::string>;

SimilarRequest typed(double wb, double tf, double tr, std::vector<Criterion> by = {}) {
  SimilarRequest request;
  request.typed[core::WB] = wb;
  request.typed[core::TF] = tf;
  request.typed[core::TR] = tr;
  request.by = std::move(by);
  return request;
}

class Similar : public SimilarFolder {
 protected:
  // On every core; one thread and three give the same result.
  SimilarResult find(const SimilarRequest& request) {
    auto result = findSimilar(request, places_, 2000);
    for (const int threads : {1, 3}) {
      const auto again = findSimilar(request, places_, 2000, threads);
      EXPECT_EQ(shortly(again), shortly(result)) << threads;
      EXPECT_EQ(again.lacking, result.lacking);
    }
    return result;
  }
};

TEST_F(Similar, matches_rank_by_distance_then_year_then_file_order) {
  writeYear(1990,
            vehicle("A", "a", "265", "150", "148") + vehicle("B", "b", "266", "150", "148") +
                vehicle("C", "c", "264", "151", "147") + vehicle("D", "d", "267", "150", "148") +
                vehicle("E", "e", "265", "   ", "148") + vehicle("F", "f", "265", "N/A", "148") +
                vehicle("G", "g", "265", "150", "148"));
  writeYear(1985, vehicle("H", "h", "266", "150", "148") + vehicle("I", "i", "265", "150", "148"));
  const Criterion wb2{core::WB, 2}, tf0{core::TF, 0}, tr1{core::TR, 1};
  const std::pair<SimilarRequest, Lines> cases[] = {
      // 1 cm each: D is 2 away; E and F lack TF.
      {typed(265, 150, 148),
       {"1985 I i 0", "1990 A a 0", "1990 G g 0", "1985 H h 1", "1990 B b 1", "1990 C c 1"}},
      // WB within 2: B and H at 0.5, D at 1; TF equal: C (151) goes.
      {typed(265, 150, 148, {wb2, tf0, tr1}),
       {"1985 I i 0", "1990 A a 0", "1990 G g 0", "1985 H h 0.5", "1990 B b 0.5", "1990 D d 1"}},
      // A typed value between the stored ones: all at 0.5, in year and file order.
      {typed(265.5, 150, 148, {{core::WB, 1}}),
       {"1985 H h 0.5", "1985 I i 0.5", "1990 A a 0.5", "1990 B b 0.5", "1990 E e 0.5",
        "1990 F f 0.5", "1990 G g 0.5"}},
  };
  for (const auto& [request, expected] : cases) {
    const auto result = find(request);
    EXPECT_EQ(shortly(result), expected) << result.by.size();
    EXPECT_EQ(result.found, static_cast<long long>(expected.size()));
    EXPECT_FALSE(result.cut);
  }
  EXPECT_EQ(find(typed(265, 150, 148)).lacking, 2);
  EXPECT_EQ(find(typed(265, 150, 148, {{core::WB, 1}})).lacking, 0);
}

TEST_F(Similar, more_than_2000_matches_keep_the_2000_nearest_and_say_so) {
  std::string near, far;
  for (int i = 0; i < 600; ++i) near += vehicle("NEAR", std::to_string(i), "265", "150", "148");
  for (int i = 0; i < 1500; ++i) far += vehicle("FAR", std::to_string(i), "266", "150", "148");
  writeYear(1990, far);
  writeYear(1991, near);
  const auto result = find(typed(265, 150, 148));
  EXPECT_TRUE(result.cut);
  EXPECT_EQ(result.found, 2100);
  const auto lines = shortly(result);
  ASSERT_EQ(lines.size(), 2000u);
  EXPECT_EQ(lines[599], "1991 NEAR 599 0");
  EXPECT_EQ(lines[600], "1990 FAR 0 1");
  EXPECT_EQ(lines[1999], "1990 FAR 1399 1");
}

TEST_F(Similar, the_chosen_vehicle_is_the_first_row_of_its_name_and_is_left_out) {
  writeYear(1990, vehicle("ALDER", " Sedan ", "265", "150", "148") +
                      vehicle("ALDER", "SEDAN", "265", "150", "148") +
                      vehicle("BIRCH", "Sedan", "266", "150", "149") +
                      vehicle("ALDER", "Coupe", "265", "   ", "148"));
  writeYear(1992, vehicle("ALDER", " Sedan ", "265", "150", "148"));
  SimilarRequest request;
  request.vehicle = VehicleChoice{1990, " alder ", "sedan "};
  auto result = find(request);
  EXPECT_EQ(result.problem, "");
  EXPECT_EQ(result.reference.model, "Sedan");
  EXPECT_EQ(result.reference.values[core::WB], 265);
  EXPECT_EQ(shortly(result),
            (Lines{"1990 ALDER SEDAN 0", "1992 ALDER Sedan 0", "1990 BIRCH Sedan 1"}));
  EXPECT_EQ(result.lacking, 1);

  const std::pair<VehicleChoice, std::string> problems[] = {
      {{1990, "alder", "wagon"}, "No vehicle 1990 alder wagon was found."},
      {{1991, "alder", "sedan"}, "Can not read specs for this year."},
      {{1990, "alder", "coupe"}, "The chosen vehicle has no value for TF."},
  };
  for (const auto& [choice, problem] : problems) {
    request.vehicle = choice;
    result = findSimilar(request, places_, 2000);
    EXPECT_EQ(result.problem, problem);
    EXPECT_TRUE(result.matches.empty());
  }
  request = typed(265, 150, 148, defaultCriteria(std::vector<Field>{core::WB, core::CW, core::OL}));
  EXPECT_EQ(findSimilar(request, places_, 2000).problem, "There is no value for CW or OL.");
}

}  // namespace
}  // namespace orv::output::testing
