// The model report: every measurement of one model with code, description and value, and
// the year the measurements were taken. A pure function of the window's texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Format.h"
#include "core/RowList.h"

namespace orv::output {

// The page for the model `selectedModel` of the row list. Year, make and model are trimmed
// here; the caller has already refused an empty model ("No Model selected."). The first
// record whose model name matches, ignoring letter case and blanks around it, is reported;
// when none matches the page holds head and end only.
std::string modelReportPage(std::string_view year, std::string_view make,
                            std::string_view selectedModel, const core::RowList& rows,
                            core::UnitSystem units, std::string_view versionText);

// The position in the row list of the record the page reports for `selectedModel`: the
// first whose shown model name matches it ignoring letter case and blanks around both.
// Nothing when none matches.
std::optional<std::size_t> reportedRecord(const core::RowList& rows,
                                          std::string_view selectedModel);

// Century printed before the two-digit measurement year: "20" below 65, "19" from 65 on,
// nothing when the year is blank.
std::string_view measurementCentury(std::string_view twoDigitYear);

}  // namespace orv::output
