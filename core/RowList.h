// The row list the main window holds (its hidden list box S_LIST): the model records of the
// chosen make whose model begins with the model filter, in file order. Also what one grid
// row shows of a record. Shared by the window and the command-line program.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/Fields.h"

namespace orv::core {

// A prefix on characters, compared in upper case: the record's model cut to the length of
// `upperFilter` (already trimmed and upper-cased), then trimmed. A model stored with a
// leading blank keeps the blank in the compared characters and so does not match.
bool passesModelFilter(std::string_view record, std::string_view upperFilter);

// The row list for the texts of the make and model filter boxes (trimmed and upper-cased
// here): views into `yearData`. Nothing for a blank make; callers that must keep an older
// list for a blank make test that first.
std::vector<std::string_view> rowList(std::string_view yearData, std::string_view makeText,
                                      std::string_view filterText);

// The model name the grid's model cell shows for a record: its "MO" value, empty when absent.
std::string_view gridModelName(std::string_view record);

// The fifteen values of a record as the grid cells show them (F_FORMAT with unit kind 0, WD
// as stored), in field order. The grid blanks the whole row when the model cell is empty.
std::array<std::string, kFieldCount> gridValues(std::string_view record, std::string_view unitText);

}  // namespace orv::core
