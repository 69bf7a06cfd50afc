#include "core/Fields.h"

#include "core/Text.h"

namespace orv::core {

std::string_view fieldText(std::string_view dimensions, Field field) {
  const auto& f = kFields[field];
  return slice(dimensions, static_cast<std::size_t>(f.first), static_cast<std::size_t>(f.width));
}

}  // namespace orv::core
