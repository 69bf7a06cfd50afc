// Where a vehicle's values came from, as every sheet and export names it: the data release
// (the version text of VERSION.TXT), the year file's name and the SHA-256 of every byte of
// that file, so that a result can be traced to its data and made again from it.
#pragma once

#include <string>
#include <string_view>

#include "core/Vehicle.h"

namespace orv::core {

struct VehicleSource {
  std::string version;  // the first six characters of VERSION.TXT, as read
  std::string file;     // the year file's name as found on disk; empty when none was found
  std::string sha256;   // 64 lower-case hexadecimal digits of the whole year file
};

// The source of `vehicle`; `versionText` is SharedState::versionText. The year file is
// hashed once per load (YearData::sha256). A vehicle without year data has the digest of
// no bytes and no file name.
VehicleSource vehicleSource(const Vehicle& vehicle, std::string_view versionText);

// The source in one line, as pages and drawings print it: "data version 2018.2, year file
// SP1995.TXT, SHA-256 " and the digest; "(none)" stands for a version or file name that
// is empty. Raw bytes of the data: a page escapes them.
std::string sourceLine(const VehicleSource& source);

}  // namespace orv::core
