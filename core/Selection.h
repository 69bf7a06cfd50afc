// What the person has chosen, shared by the main window and orvane-cli: the year data, the
// make and model filter with the row list they give, the grid's top row and current row,
// and the unit system. No widget and no text of one: the window's controls show it, and the
// command line builds it from its options.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Format.h"
#include "core/Places.h"
#include "core/RowList.h"
#include "core/YearData.h"

namespace orv::core {

class Selection {
 public:
  Selection();

  // --- the year data ---
  const YearDataPtr& yearData() const { return yearData_; }
  const std::string& yearText() const { return yearData_->text; }
  // Reads the year file `fileName` for the model year written in `yearText` (Places finds
  // the name without regard to letter case). False when it is missing, empty, unreadable or
  // holds no make: the year data then holds "" or "-1". The row list keeps its records
  // either way, and the data they point into.
  bool readYearFile(const Places& places, std::string_view fileName, std::string_view yearText);
  // The file of a chosen or typed year: "SP" + the year text trimmed + ".TXT".
  bool readYear(const Places& places, std::string_view yearText);

  // --- the row list ---
  // Rebuilds the row list from the year data: the records of `make` whose model begins with
  // `filter` (both trimmed and upper-cased here). A blank make changes nothing: false. With
  // `onGroup`, the model groups of the new rows are handed out (see rowList).
  bool chooseRows(std::string_view make, std::string_view filter, const GroupSink& onGroup = {});
  const RowList& rows() const { return rows_; }
  // The make and filter of the row list, trimmed and upper-cased.
  const std::string& make() const { return make_; }
  const std::string& filter() const { return filter_; }

  // --- the grid ---
  static constexpr int kGridRows = 14;
  // The row-list position shown in grid row 0.
  int top() const { return top_; }
  void setTop(int top) { top_ = top; }
  // The highlighted grid row, 0 to 13 (or -1 and beyond, which select nothing).
  int currentRow() const { return currentRow_; }
  void setCurrentRow(int row) { currentRow_ = row; }
  // The row-list position of the current grid row; nothing when that row shows no record.
  std::optional<std::size_t> currentIndex() const;
  // The vehicle the current grid row shows; nothing when it shows none.
  std::optional<Vehicle> currentVehicle() const;

  UnitSystem units() const { return units_; }
  void setUnits(UnitSystem units) { units_ = units; }

 private:
  YearDataPtr yearData_;
  RowList rows_;
  std::string make_, filter_;
  int top_ = 0;
  int currentRow_ = 0;
  UnitSystem units_ = UnitSystem::Metric;
};

}  // namespace orv::core
