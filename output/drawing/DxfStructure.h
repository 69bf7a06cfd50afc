// The parts of a DXF file (AC1015) around its entities: the tables, the model and paper
// space blocks and the objects (root dictionary, layouts, plot style placeholder). Internal
// to the DXF writer.
#pragma once

#include <array>
#include <string>

#include "output/drawing/Drawing.h"
#include "output/drawing/DxfGroups.h"

namespace orv::output::dxf {

// The linetypes besides ByBlock, ByLayer and Continuous: those of styles 1 to 3 and the
// centre line's.
inline constexpr std::size_t kPatternCount = kStyleCount;

// Handles of everything but the entities, given out before them.
struct Ids {
  std::string vportTable, ltypeTable, layerTable, styleTable, viewTable, ucsTable, appidTable,
      dimstyleTable, blockRecordTable;
  std::string activeVport, byBlock, byLayer, continuous, style, appid, dimstyle;
  std::array<std::string, kPatternCount> patterns;
  std::array<std::string, kLayerCount + 1> layers;  // "0" first
  std::string modelRecord, paperRecord, modelBlock, modelEnd, paperBlock, paperEnd;
  std::string root, groups, layouts, plotStyles, placeholder, modelLayout, paperLayout;
};
Ids assignIds(Handles& handles);

// `unitsPerPaperMm`: drawing units per millimetre on paper, for the linetype patterns.
// `box`: the extents in drawing units, for the initial view.
void writeTables(Groups& g, const Ids& ids, double unitsPerPaperMm, const Extents& box);
void writeBlocks(Groups& g, const Ids& ids);
void writeObjects(Groups& g, const Ids& ids, const Extents& box);

}  // namespace orv::output::dxf
