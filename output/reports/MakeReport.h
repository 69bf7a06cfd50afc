// The make report: every model of the row list in one table, a lettered measurement over a
// main dimension in each of seven columns, weight distribution last, then the unit system.
#pragma once

#include <string>
#include <string_view>

#include "core/Format.h"
#include "core/RowList.h"

namespace orv::output {

// The page for the row list, in list order. Year and make are used untrimmed in the heading.
// The caller has already refused an empty make ("No Make is selected.").
std::string makeReportPage(std::string_view yearText, std::string_view makeText,
                           const core::RowList& rows, core::UnitSystem units,
                           std::string_view versionText);

}  // namespace orv::output
