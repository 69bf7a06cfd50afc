// SHA-256 of a byte string, for naming the year file a result was made from. A plain,
// single-pass implementation over the standard library: no streaming, no other hashes.
#pragma once

#include <string>
#include <string_view>

namespace orv::core {

// The SHA-256 digest of `bytes` as 64 lower-case hexadecimal digits.
std::string sha256Hex(std::string_view bytes);

}  // namespace orv::core
