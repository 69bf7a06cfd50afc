// The make report: every model of the row list in one table, a lettered measurement over a
// main dimension in each of seven columns, weight distribution last, then the unit system.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orv::output {

// The page for the row list (model records, list order). Year and make are used untrimmed
// in the heading. The caller has already refused an empty make ("No Make is selected.").
std::string makeReportPage(std::string_view yearText, std::string_view makeText,
                           std::span<const std::string> rowList, std::string_view unitText,
                           std::string_view versionText);
std::string makeReportPage(std::string_view yearText, std::string_view makeText,
                           std::span<const std::string_view> rowList, std::string_view unitText,
                           std::string_view versionText);

}  // namespace orv::output
