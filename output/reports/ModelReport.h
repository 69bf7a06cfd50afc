// The model report: every measurement of one model with code, description and value, and
// the year the measurements were taken. A pure function of the window's texts.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orv::output {

// The page for the model `selectedModel` of the row list (model records, list order).
// Year, make and model are trimmed here; the caller has already refused an empty model
// ("No Model selected."). The first record whose model name matches, ignoring letter case
// and blanks around it, is reported; when none matches the page holds head and end only.
std::string modelReportPage(std::string_view year, std::string_view make,
                            std::string_view selectedModel, std::span<const std::string> rowList,
                            std::string_view unitText, std::string_view versionText);
std::string modelReportPage(std::string_view year, std::string_view make,
                            std::string_view selectedModel,
                            std::span<const std::string_view> rowList, std::string_view unitText,
                            std::string_view versionText);

// The position in the row list of the record the page reports for `selectedModel`: the
// first whose model name, "-1" taken as empty, matches it ignoring letter case and blanks
// around both. Nothing when none matches.
std::optional<std::size_t> reportedRecord(std::span<const std::string_view> rowList,
                                          std::string_view selectedModel);

// Century printed before the two-digit measurement year: "20" below 65, "19" from 65 on,
// nothing when the year is blank.
std::string_view measurementCentury(std::string_view twoDigitYear);

}  // namespace orv::output
