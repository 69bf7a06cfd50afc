// orvane-cli similar and generations as processes: what they write for each format, and the
// command lines they refuse (status 2, nothing written) or answer with a message (status 1).
#include "CliProcess.h"

namespace orv::test {
namespace {

using Args = std::vector<std::string>;

std::string vehicle(const std::string& make, const std::string& model, const std::string& wb) {
  return "<R><MA>" + make + "</MA><MO>" + model + "</MO><DA>120 95 50 60130 90105480175140" + wb +
         "150148135055/4596</DA></R>\r\n";
}

class SimilarCli : public CliProcess {
 protected:
  void SetUp() override {
    CliProcess::SetUp();
    write("VERSION.TXT", "1994.1 data\r\n");
    write("SP1994.TXT", vehicle("ALDER", "Spey", "265") + vehicle("BIRCH", "Dee", "266"));
    write("SP1995.TXT", vehicle("ALDER", "Spey", "268"));
  }
};

TEST_F(SimilarCli, typed_values_give_json_text_and_a_page) {
  auto r = run({"similar", "--wb", "265", "--format", "json"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find(R"("by": [{"measure": "WB", "tolerance": 1}],)"), std::string::npos);
  EXPECT_NE(r.out.find(R"({"year": 1994, "make": "ALDER", "model": "Spey", "distance": 0, )"),
            std::string::npos);
  EXPECT_NE(r.out.find(R"({"year": 1994, "make": "BIRCH", "model": "Dee", "distance": 1, )"),
            std::string::npos);
  r = run({"similar", "--year", "1994", "--make", "alder", "--model", "SPEY", "--by", "wb",
           "--tolerance", "WB=3", "--units", "imperial", "--format", "text", "-o", "s.txt"});
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string text = read("s.txt");
  EXPECT_NE(text.find("Compared by WB within 1.2 in.\r\n"), std::string::npos);
  EXPECT_NE(text.find("1995  ALDER"), std::string::npos);  // 3 cm away: at distance 1
  EXPECT_NE(text.find("Generation 2: 1995\r\nNew: WB +1.2 in (104.4 to 105.6)\r\n"),
            std::string::npos);
  r = run({"generations", "--make", "ALDER", "--model", "spey"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("<html>") && r.out.ends_with(" </html>\r\n"));
}

TEST_F(SimilarCli, wrong_command_lines_are_refused_and_nothing_is_written) {
  const std::pair<Args, std::string> cases[] = {
      {{"similar"}, "'similar' needs either --year, --make and --model or typed values"},
      {{"similar", "--wb", "265", "--year", "1994"}, "needs either"},
      {{"similar", "--year", "1994", "--make", "ALDER"}, "needs --year, --make and --model"},
      {{"similar", "--wb", "265", "266"}, "unknown command 'similar 266'"},
      {{"similar", "--wb", "abc"}, "--wb takes a number"},
      {{"similar", "--wb", "1e3"}, "--wb takes a number"},
      {{"similar", "--wb", "265", "--by", "WB,XX"}, "--by: 'XX' is no measure"},
      {{"similar", "--wb", "265", "--by", "WB,wb"}, "--by names wb twice"},
      {{"similar", "--wb", "265", "--by", "TF"}, "--by names TF, which has no typed value"},
      {{"similar", "--wb", "265", "--tolerance", "WB=-1"}, "a tolerance cannot be negative"},
      {{"similar", "--wb", "265", "--tolerance", "TF=1"}, "TF is not one of the measures"},
      {{"similar", "--wb", "265", "--tolerance", "WB"}, "MEASURE=VALUE"},
      {{"similar", "--wb", "265", "--format", "pdf"}, "--format takes html, json or text"},
      {{"similar", "--wb", "265", "--units", "cm"}, "--units takes metric or imperial"},
      {{"similar", "--year", "94", "--make", "A", "--model", "B"}, "--year takes a model year"},
      {{"generations", "--make", "ALDER"}, "'generations' needs --model"},
      {{"generations", "--make", "A", "--model", "B", "--by", "WB"}, "does not apply"},
  };
  for (const auto& [args, problem] : cases) {
    Args withFile = args;
    withFile.insert(withFile.end(), {"-o", "out.htm"});
    const auto r = run(withFile);
    EXPECT_EQ(r.status, 2) << args[1];
    EXPECT_NE(r.err.find(problem), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(data_ / "out.htm")) << args[1];
  }
  // The search still takes a range.
  EXPECT_EQ(run({"search", "--wb", "260", "266"}).status, 0);
}

TEST_F(SimilarCli, what_the_data_does_not_hold_is_a_message) {
  const std::pair<Args, std::string> cases[] = {
      {{"similar", "--year", "1994", "--make", "ALDER", "--model", "Tay"},
       "No vehicle 1994 ALDER Tay was found.\n"},
      {{"similar", "--year", "1993", "--make", "ALDER", "--model", "Spey"},
       "Can not read specs for this year.\n"},
      {{"generations", "--make", "ALDER", "--model", "Tay"}, "No year file holds ALDER Tay.\n"},
  };
  for (const auto& [args, message] : cases) {
    const auto r = run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, message);
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace orv::test
