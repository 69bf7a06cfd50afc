// orvane-cli compare as a process: two to four vehicles found as the model report finds
// them, written by the comparison's own builders; and every wrong number or name of
// vehicles, which is a usage error that names the problem and writes nothing.
#include <filesystem>

#include "CliProcess.h"
#include "core/Selection.h"
#include "output/compare/CompareOutput.h"

namespace orv::test {
namespace {

using core::UnitSystem;

// The command line "compare|--vehicle|1995|..." (blanks belong to the values).
std::vector<std::string> line(const std::string& all) {
  std::vector<std::string> args;
  for (std::size_t at = 0;;) {
    const std::size_t end = all.find('|', at);
    args.push_back(all.substr(at, end - at));
    if (end == std::string::npos) return args;
    at = end + 1;
  }
}

constexpr std::string_view kDa = "150120 45 60130 90110465180145265150151136055/4564";

class CompareCli : public CliProcess {
 protected:
  void SetUp() override {
    CliProcess::SetUp();
    write("version.txt", "2018.2 Orvane data\r\n");
    std::string year = "SP1995\r\n";
    for (const char* model : {"Spey 2dr", "Tay", "Dee"})
      year += "<R><MA>ALDER</MA><MO>" + std::string(model) + "</MO><DA>" + std::string(kDa) +
              "</DA></R>\r\n";
    write("SP1995.TXT", year);
    write("SP1996.TXT", "<R><MA>BIRCH</MA><MO>Esk</MO><DA>" + std::string(kDa) + "</DA></R>\r\n");
  }

  // The model `model` of `make` in `year`, read as the window reads it.
  core::Vehicle vehicle(const std::string& year, const std::string& make, std::size_t row) {
    const core::Places places(data_.path(), data_.path(), data_.path());
    core::Selection selection;
    selection.readYear(places, year);
    selection.chooseRows(make, "");
    return selection.rows().vehicle(row);
  }
};

TEST_F(CompareCli, writes_two_to_four_vehicles_as_page_json_and_csv) {
  const std::vector<core::Vehicle> two{vehicle("1995", "ALDER", 1), vehicle("1996", "BIRCH", 0)};
  const std::vector<core::Vehicle> four{vehicle("1995", "ALDER", 0), vehicle("1995", "ALDER", 1),
                                        vehicle("1995", "ALDER", 2), vehicle("1996", "BIRCH", 0)};
  const std::string twoArgs = "compare|--vehicle|1995| alder |TAY|--vehicle|1996|birch|esk";
  const std::string fourArgs =
      "compare|--vehicle|1995|ALDER|spey 2DR|--vehicle|1995|ALDER|Tay|--vehicle|1995|ALDER|"
      "Dee|--vehicle|1996|BIRCH|Esk";
  const std::pair<std::string, std::string> cases[] = {
      {twoArgs,
       output::comparePage(two, UnitSystem::Metric, output::Alignment::FrontAxle, "2018.2")},
      {fourArgs + "|--units|imperial|--align|rear-axle",
       output::comparePage(four, UnitSystem::Imperial, output::Alignment::RearAxle, "2018.2")},
      {twoArgs + "|--format|json", output::compareJson(two, "2018.2")},
      {fourArgs + "|--format|csv|--units|imperial", output::compareCsv(four, UnitSystem::Imperial)},
  };
  for (const auto& [args, out] : cases) {
    const auto r = run(line(args));
    EXPECT_EQ(r.err + std::to_string(r.status) + r.out, "0" + out) << args;
  }
  const auto r = run(line("-o|cmp.htm|" + twoArgs + "|--align|front-end"));
  EXPECT_EQ(r.out + r.err + std::to_string(r.status), "0");
  EXPECT_EQ(readBytes(data_ / "cmp.htm"),
            output::comparePage(two, UnitSystem::Metric, output::Alignment::FrontEnd, "2018.2"));
}

TEST_F(CompareCli, refuses_a_wrong_number_or_an_unknown_vehicle_and_writes_nothing) {
  const std::string one = "|--vehicle|1995|ALDER|Tay";
  const std::pair<std::string, std::string> cases[] = {
      {one, "'compare' takes 2 to 4 vehicles, each given as --vehicle YEAR MAKE MODEL, not 1"},
      {one + one + one + one + one,
       "takes 2 to 4 vehicles, each given as --vehicle YEAR MAKE "
       "MODEL, not 5"},
      {one + "|--vehicle|1990|ALDER|Tay",
       "no vehicle '1990 ALDER Tay': can not read specs for "
       "the year '1990'"},
      {one + "|--vehicle|1995|ROWAN|Tay", "no vehicle '1995 ROWAN Tay': 1995 has no make ROWAN"},
      {one + "|--vehicle|1995|alder|Usk",
       "no vehicle '1995 ALDER Usk': ALDER of 1995 has no "
       "model Usk"},
      {one + one + "|--format|json|--units|imperial", "--format json is always metric"},
      {one + one + "|--align|middle",
       "--align takes front-axle, front-end or rear-axle, not "
       "'middle'"},
      {one + "|--vehicle|1995|ALDER", "option '--vehicle' needs three values, YEAR MAKE MODEL"},
      {one + one + "|--group|T", "option '--group' does not apply to 'compare'"},
  };
  for (const auto& [args, message] : cases) {
    const auto r = run(line("-o|cmp.htm|compare" + args));
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(data_ / "cmp.htm")) << args;
  }
}

}  // namespace
}  // namespace orv::test
