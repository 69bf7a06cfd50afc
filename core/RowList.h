// The row list: the model records of the chosen make whose model begins with the model
// filter, in file order, as the grid shows them and the make and model pages list them.
// It keeps the year data its records point into alive and holds only where each record
// stands in it (eight bytes a row), so a make of a million records costs a few megabytes;
// a VehicleRecord is read from the text when a row is asked for.
#pragma once

#include <cstdint>
#include <functional>
#include <iterator>
#include <string_view>
#include <vector>

#include "core/Vehicle.h"
#include "core/VehicleRecord.h"
#include "core/YearData.h"

namespace orv::core {

class RowList {
 public:
  RowList() = default;
  explicit RowList(YearDataPtr data) : data_(std::move(data)) {}
  // An empty row list over `data` in the storage of `recycled`.
  RowList(YearDataPtr data, RowList recycled)
      : data_(std::move(data)), rows_(std::move(recycled.rows_)) {
    rows_.clear();
  }

  std::size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  // The model record of row `i`: from its "<MA>" up to, not including, its "</R>".
  std::string_view text(std::size_t i) const;
  // The vehicle of row `i`, read from its model record.
  VehicleRecord operator[](std::size_t i) const;
  // Row `i` as a vehicle that keeps its year data alive.
  Vehicle vehicle(std::size_t i) const { return Vehicle{data_, (*this)[i]}; }
  // The year data the rows point into (null for a list that never held any).
  const YearDataPtr& data() const { return data_; }

  // Appends a model record, a view into data()->text.
  void add(std::string_view modelRecord);

  class const_iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = VehicleRecord;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = VehicleRecord;
    const_iterator(const RowList* list, std::size_t i) : list_(list), i_(i) {}
    VehicleRecord operator*() const { return (*list_)[i_]; }
    const_iterator& operator++() {
      ++i_;
      return *this;
    }
    bool operator==(const const_iterator& o) const { return i_ == o.i_; }

   private:
    const RowList* list_;
    std::size_t i_;
  };
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, rows_.size()}; }

 private:
  struct Span {
    std::uint32_t offset;  // year data is at most kMaxReadBytes, well within 32 bits
    std::uint32_t size;
  };
  YearDataPtr data_;
  std::vector<Span> rows_;
};

// A prefix on characters, compared in upper case: the record's model cut to the length of
// `upperFilter` (already trimmed and upper-cased), then trimmed. A model stored with a
// leading blank keeps the blank in the compared characters and so does not match.
bool passesModelFilter(std::string_view modelRecord, std::string_view upperFilter);

// Receives the model groups of a row list in row order: the first word of each row's model,
// a repeat of the group just before left out. A view into the year data.
using GroupSink = std::function<void(std::string_view group)>;

// The row list of `make` (trimmed and upper-cased here) narrowed by `filter` (the same), in
// the year data; empty for a blank make. With `onGroup`, its model groups are handed out in
// the same pass, while each record is at hand. The rows are kept in `recycled`'s storage:
// a fresh megabyte costs more in page faults than the walk spends on it.
RowList rowList(const YearDataPtr& data, std::string_view make, std::string_view filter,
                const GroupSink& onGroup = {}, RowList recycled = {});

// Every model record of the year data, make after make, in file order (the export of a
// whole year).
RowList wholeYear(const YearDataPtr& data);

}  // namespace orv::core
