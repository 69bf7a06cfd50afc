#include "core/Fields.h"

#include "core/TagText.h"
#include "core/Text.h"

namespace orv::core {

std::string_view fieldText(std::string_view dimensions, Field field) {
  const auto& f = kFields[field];
  return slice(dimensions, static_cast<std::size_t>(f.first), static_cast<std::size_t>(f.width));
}

std::string formatField(std::string_view dimensions, Field field, int kind,
                        std::string_view unitText) {
  return F_FORMAT(fieldText(dimensions, field), kFields[field].factor, kind, unitText);
}

std::string_view shownDimensions(const std::optional<std::string_view>& dimensions) {
  if (!dimensions || *dimensions == "-1") return kBlankDimensions;
  return *dimensions;
}

std::string_view recordDimensions(std::string_view record) {
  const auto e = findElement(record, "DA");
  return shownDimensions(e ? std::optional(e->value) : std::nullopt);
}

}  // namespace orv::core
