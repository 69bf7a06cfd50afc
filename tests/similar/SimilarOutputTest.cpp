// The page, the text and the JSON of small results, written out by hand: columns, units,
// escapes of markup and line breaks in the data, the generations, and the source named.
#include "SimilarFolder.h"
#include "output/similar/SimilarOutput.h"

namespace orv::output::testing {
namespace {

const std::string kNulls = R"("A": null, "B": null, "C": null, "D": null, "E": null, "F": null, )"
                           R"("G": null, "OL": null, "OW": null, "OH": null, )";

class SimilarOutput : public SimilarFolder {
 protected:
  void SetUp() override {
    SimilarFolder::SetUp();
    writeYear(1990, vehicle("A<B>&\"", "M\r\nX", "266", "150", "148") +
                        vehicle("LACK", "l", "265", "   ", "148"));
    request.typed[core::WB] = 265;
    request.typed[core::TF] = 150;
    request.typed[core::TR] = 148;
  }
  SimilarResult find(core::UnitSystem units) {
    request.units = units;
    return findSimilar(request, places_, 2000);
  }
  SimilarRequest request;
};

TEST_F(SimilarOutput, text_has_fixed_columns_and_names_its_source) {
  const std::string b = " ";
  const auto pad = [](std::size_t n) { return std::string(n, ' '); };
  const std::string head = "Year  Make" + pad(27) + "Model" + pad(36) + "Distance  ";
  const std::string metric =
      "Sister vehicles of the typed values\r\n"
      "Compared by WB within 1.0 cm, TF within 1.0 cm and TR within 1.0 cm.\r\n\r\n" +
      head + "WB (cm)  TF (cm)  TR (cm)\r\n" + "typed " + pad(72) +
      "reference 265      150      148\r\n" + "1990  A<B>&\"" + pad(25) + "M  X" + pad(37) +
      "1.00      266      150      148\r\n\r\n" +
      "1 vehicle matches.\r\n1 vehicle lacks WB, TF or TR.\r\n\r\nUnits: Metric (cm, kg)\r\n"
      "Source: version 2019.1, year files SP1990.TXT (1 file).\r\n";
  EXPECT_EQ(similarText(find(core::UnitSystem::Metric), nullptr, "2019.1"), metric);
  // 266 cm is 104.804 in, 148 cm 58.312 in; the tolerance 0.394 in.
  const std::string imperial = similarText(find(core::UnitSystem::Imperial), nullptr, "2019.1");
  EXPECT_NE(imperial.find("WB within 0.4 in,"), std::string::npos);
  EXPECT_NE(imperial.find("1.00      104.8    59.1     58.3\r\n"), std::string::npos);
}

TEST_F(SimilarOutput, json_is_metric_at_full_precision_with_escapes) {
  request.typed[core::WB] = 265.25;
  const std::string expected =
      R"({"reference": {"year": null, "make": null, "model": null, "measurements": {)" + kNulls +
      R"("WB": 265.25, "TF": 150, "TR": 148, "CW": null}},)"
      "\n"
      R"( "by": [{"measure": "WB", "tolerance": 1}, {"measure": "TF", "tolerance": 1}, )"
      R"({"measure": "TR", "tolerance": 1}],)"
      "\n"
      R"( "matches": [)"
      "\n"
      R"(  {"year": 1990, "make": "A<B>&\"", "model": "M\r\nX", "distance": 0.75, )"
      R"("measurements": {"A": 120, "B": 95, "C": 50, "D": 60, "E": 130, "F": 90, "G": 105, )"
      R"("OL": 480, "OW": 175, "OH": 140, "WB": 266, "TF": 150, "TR": 148, "CW": 1350}}],)"
      "\n \"found\": 1,\n \"lacking\": 1,\n \"cut\": false,\n"
      R"( "source": {"version": "2019.1", "yearFiles": ["SP1990.TXT"]}})"
      "\n";
  EXPECT_EQ(similarJson(find(core::UnitSystem::Imperial), "2019.1"), expected);
}

TEST_F(SimilarOutput, page_escapes_data_and_shows_the_generations) {
  writeYear(1991, vehicle("A<B>&\"", "M\r\nX", "269", "150", "148"));
  const auto result = find(core::UnitSystem::Metric);
  const auto generations =
      findGenerations({"A<B>&\"", "m\r\nx", {}, core::UnitSystem::Metric}, places_, 2000);
  const std::string page = similarPage(result, &generations, "<v>");
  EXPECT_TRUE(
      page.starts_with("<html>\r\n<head>\r\n <title>ORV - Orvane.  Version: &lt;v&gt;"
                       "</title>\r\n</head>\r\n<body>\r\n<CENTER><B>Sister vehicles of "
                       "the typed values</B></CENTER>\r\n"));
  EXPECT_NE(page.find("<td width=180>A&lt;B&gt;&amp;&quot;</td>"), std::string::npos);
  EXPECT_NE(page.find("<b>Generation 2: 1991</b><BR>\r\nNew: WB +3.0 cm (266 to 269)<BR>"),
            std::string::npos);
  EXPECT_TRUE(
      page.ends_with("<font size=-1>Source: version &lt;v&gt;, year files SP1990.TXT to "
                     "SP1991.TXT (2 files).</font>\r\n </body>\r\n </html>\r\n"));
  const auto inches =
      findGenerations({"A<B>&\"", "M\r\nX", {}, core::UnitSystem::Imperial}, places_, 2000);
  EXPECT_NE(similarText(result, &inches, "v")
                .find("Generation 2: 1991\r\nNew: WB +1.2 in (104.8 "
                      "to 106.0)\r\n"),
            std::string::npos);
  request.typed = {};
  EXPECT_NE(similarPage(find(core::UnitSystem::Metric), nullptr, "v")
                .find("</B></CENTER>\r\n<BR><BR>\r\nThere is no value for WB, TF or TR.<BR>\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace orv::output::testing
