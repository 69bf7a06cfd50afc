#include "output/drawing/DxfStructure.h"

#include "output/drawing/DrawingLook.h"

namespace orv::output::dxf {

namespace {

constexpr std::array<int, kLayerCount> kLayerColours{7, 8, 7, 7, 7, 7};

void tableHead(Groups& g, std::string_view name, const std::string& handle, int count) {
  g(0, "TABLE")(2, name)(5, handle)(330, "0")(100, "AcDbSymbolTable")(70, count);
}

void recordHead(Groups& g, std::string_view type, const std::string& handle,
                const std::string& table, std::string_view subclass) {
  g(0, type)(type == "DIMSTYLE" ? 105 : 5, handle)(330, table)(100, "AcDbSymbolTableRecord")(
      100, subclass);
}

void point(Groups& g, int code, double x, double y) {
  g(code, x)(code + 10, y);
}

void writeVports(Groups& g, const Ids& ids, const Extents& box) {
  tableHead(g, "VPORT", ids.vportTable, 1);
  recordHead(g, "VPORT", ids.activeVport, ids.vportTable, "AcDbViewportTableRecord");
  g(2, "*Active")(70, 0);
  point(g, 10, 0.0, 0.0);
  point(g, 11, 1.0, 1.0);
  point(g, 12, (box.minX + box.maxX) / 2.0, (box.minY + box.maxY) / 2.0);
  point(g, 13, 0.0, 0.0);
  point(g, 14, 10.0, 10.0);
  point(g, 15, 10.0, 10.0);
  g(16, 0.0)(26, 0.0)(36, 1.0)(17, 0.0)(27, 0.0)(37, 0.0);
  g(40, std::max(box.height(), box.width() / 1.5) * 1.1)(41, 1.5)(42, 50.0)(43, 0.0)(44, 0.0);
  g(50, 0.0)(51, 0.0)(71, 0)(72, 1000)(73, 1)(74, 3)(75, 0)(76, 0)(77, 0)(78, 0);
  g(281, 0)(65, 1)(110, 0.0)(120, 0.0)(130, 0.0)(111, 1.0)(121, 0.0)(131, 0.0);
  g(112, 0.0)(122, 1.0)(132, 0.0)(79, 0)(146, 0.0);
  g(0, "ENDTAB");
}

void linetype(Groups& g, const Ids& ids, const std::string& handle, std::string_view name,
              std::string_view description, const std::array<double, 4>& dash, double unit) {
  recordHead(g, "LTYPE", handle, ids.ltypeTable, "AcDbLinetypeTableRecord");
  g(2, name)(70, 0)(3, description)(72, 65);
  const bool pattern = dash[0] > 0.0;
  // On strokes positive, gaps negative; a short stroke is a dot, of length zero.
  std::array<double, 4> lengths{};
  double total = 0.0;
  for (std::size_t i = 0; i < dash.size(); ++i) {
    const bool dot = i % 2 == 0 && dash[i] <= 0.5;
    lengths[i] = dot ? 0.0 : (i % 2 == 0 ? 1.0 : -1.0) * dash[i] * unit;
    total += dot ? 0.0 : dash[i] * unit;
  }
  g(73, pattern ? static_cast<int>(dash.size()) : 0)(40, pattern ? total : 0.0);
  if (!pattern) return;
  for (const double length : lengths) g(49, length)(74, 0);
}

void writeLinetypes(Groups& g, const Ids& ids, double unit) {
  tableHead(g, "LTYPE", ids.ltypeTable, 3 + static_cast<int>(kPatternCount));
  constexpr std::array<double, 4> kSolid{0, 0, 0, 0};
  linetype(g, ids, ids.byBlock, "ByBlock", "", kSolid, unit);
  linetype(g, ids, ids.byLayer, "ByLayer", "", kSolid, unit);
  linetype(g, ids, ids.continuous, "Continuous", "Solid line", kSolid, unit);
  for (int style = 1; style < kStyleCount; ++style) {
    const StyleLook& look = styleLook(style);
    linetype(g, ids, ids.patterns[style - 1], look.lineType, look.lineType, look.dash, unit);
  }
  linetype(g, ids, ids.patterns.back(), kCentreLineType, kCentreLineType, kCentreDash, unit);
  g(0, "ENDTAB");
}

void writeLayers(Groups& g, const Ids& ids) {
  tableHead(g, "LAYER", ids.layerTable, kLayerCount + 1);
  for (int i = 0; i <= kLayerCount; ++i) {
    recordHead(g, "LAYER", ids.layers[i], ids.layerTable, "AcDbLayerTableRecord");
    const auto layer = static_cast<Layer>(i - 1);
    const bool centre = i > 0 && layer == Layer::Axles;
    g(2, i == 0 ? std::string_view("0") : layerName(layer))(70, 0);
    g(62, i == 0 ? 7 : kLayerColours[i - 1])(6, centre ? kCentreLineType : "Continuous");
    g(370, i == 0 ? -3 : static_cast<int>(penWidthMm(layer) * 100.0 + 0.5))(390, ids.placeholder);
  }
  g(0, "ENDTAB");
}

void writeOtherTables(Groups& g, const Ids& ids) {
  tableHead(g, "STYLE", ids.styleTable, 1);
  recordHead(g, "STYLE", ids.style, ids.styleTable, "AcDbTextStyleTableRecord");
  g(2, "Standard")(70, 0)(40, 0.0)(41, 1.0)(50, 0.0)(71, 0)(42, 2.5)(3, "arial.ttf")(4, "");
  g(0, "ENDTAB");
  tableHead(g, "VIEW", ids.viewTable, 0);
  g(0, "ENDTAB");
  tableHead(g, "UCS", ids.ucsTable, 0);
  g(0, "ENDTAB");
  tableHead(g, "APPID", ids.appidTable, 1);
  recordHead(g, "APPID", ids.appid, ids.appidTable, "AcDbRegAppTableRecord");
  g(2, "ACAD")(70, 0);
  g(0, "ENDTAB");
  tableHead(g, "DIMSTYLE", ids.dimstyleTable, 1);
  g(100, "AcDbDimStyleTable")(71, 1)(340, ids.dimstyle);
  recordHead(g, "DIMSTYLE", ids.dimstyle, ids.dimstyleTable, "AcDbDimStyleTableRecord");
  g(2, "Standard")(70, 0);
  g(0, "ENDTAB");
  tableHead(g, "BLOCK_RECORD", ids.blockRecordTable, 2);
  recordHead(g, "BLOCK_RECORD", ids.modelRecord, ids.blockRecordTable, "AcDbBlockTableRecord");
  g(2, "*Model_Space")(340, ids.modelLayout);
  recordHead(g, "BLOCK_RECORD", ids.paperRecord, ids.blockRecordTable, "AcDbBlockTableRecord");
  g(2, "*Paper_Space")(340, ids.paperLayout);
  g(0, "ENDTAB");
}

void block(Groups& g, const std::string& begin, const std::string& end, const std::string& record,
           std::string_view name, bool paper) {
  g(0, "BLOCK")(5, begin)(330, record)(100, "AcDbEntity");
  if (paper) g(67, 1);
  g(8, "0")(100, "AcDbBlockBegin")(2, name)(70, 0)(10, 0.0)(20, 0.0)(30, 0.0)(3, name)(1, "");
  g(0, "ENDBLK")(5, end)(330, record)(100, "AcDbEntity");
  if (paper) g(67, 1);
  g(8, "0")(100, "AcDbBlockEnd");
}

void ownedBy(Groups& g, std::string_view type, const std::string& handle,
             const std::string& owner) {
  g(0, type)(5, handle)(102, "{ACAD_REACTORS")(330, owner)(102, "}")(330, owner);
}

void layout(Groups& g, const Ids& ids, const std::string& handle, std::string_view name, int tab,
            const std::string& record, const Extents& box) {
  ownedBy(g, "LAYOUT", handle, ids.layouts);
  g(100, "AcDbPlotSettings")(1, "")(2, "none_device")(4, "")(6, "");
  g(40, 0.0)(41, 0.0)(42, 0.0)(43, 0.0)(44, 0.0)(45, 0.0)(46, 0.0)(47, 0.0)(48, 0.0)(49, 0.0);
  g(140, 0.0)(141, 0.0)(142, 1.0)(143, 1.0)(70, 688)(72, 0)(73, 0)(74, 5)(7, "")(75, 16);
  g(147, 1.0)(148, 0.0)(149, 0.0);
  g(100, "AcDbLayout")(1, name)(70, 1)(71, tab);
  point(g, 10, 0.0, 0.0);
  point(g, 11, 420.0, 297.0);
  g(12, 0.0)(22, 0.0)(32, 0.0);
  g(14, box.minX)(24, box.minY)(34, 0.0)(15, box.maxX)(25, box.maxY)(35, 0.0);
  g(146, 0.0)(13, 0.0)(23, 0.0)(33, 0.0)(16, 1.0)(26, 0.0)(36, 0.0)(17, 0.0)(27, 1.0)(37, 0.0);
  g(76, 0)(330, record);
}

}  // namespace

Ids assignIds(Handles& h) {
  Ids ids;
  for (std::string* s :
       {&ids.vportTable, &ids.ltypeTable, &ids.layerTable, &ids.styleTable, &ids.viewTable,
        &ids.ucsTable, &ids.appidTable, &ids.dimstyleTable, &ids.blockRecordTable, &ids.activeVport,
        &ids.byBlock, &ids.byLayer, &ids.continuous, &ids.style, &ids.appid, &ids.dimstyle})
    *s = h.next();
  for (std::string& s : ids.patterns) s = h.next();
  for (std::string& s : ids.layers) s = h.next();
  for (std::string* s : {&ids.modelRecord, &ids.paperRecord, &ids.modelBlock, &ids.modelEnd,
                         &ids.paperBlock, &ids.paperEnd, &ids.root, &ids.groups, &ids.layouts,
                         &ids.plotStyles, &ids.placeholder, &ids.modelLayout, &ids.paperLayout})
    *s = h.next();
  return ids;
}

void writeTables(Groups& g, const Ids& ids, double unitsPerPaperMm, const Extents& box) {
  g(0, "SECTION")(2, "TABLES");
  writeVports(g, ids, box);
  writeLinetypes(g, ids, unitsPerPaperMm);
  writeLayers(g, ids);
  writeOtherTables(g, ids);
  g(0, "ENDSEC");
}

void writeBlocks(Groups& g, const Ids& ids) {
  g(0, "SECTION")(2, "BLOCKS");
  block(g, ids.modelBlock, ids.modelEnd, ids.modelRecord, "*Model_Space", false);
  block(g, ids.paperBlock, ids.paperEnd, ids.paperRecord, "*Paper_Space", true);
  g(0, "ENDSEC");
}

void writeObjects(Groups& g, const Ids& ids, const Extents& box) {
  g(0, "SECTION")(2, "OBJECTS");
  g(0, "DICTIONARY")(5, ids.root)(330, "0")(100, "AcDbDictionary")(281, 1);
  g(3, "ACAD_GROUP")(350, ids.groups)(3, "ACAD_LAYOUT")(350, ids.layouts);
  g(3, "ACAD_PLOTSTYLENAME")(350, ids.plotStyles);
  ownedBy(g, "DICTIONARY", ids.groups, ids.root);
  g(100, "AcDbDictionary")(281, 1);
  ownedBy(g, "DICTIONARY", ids.layouts, ids.root);
  g(100, "AcDbDictionary")(281, 1)(3, "Layout1")(350, ids.paperLayout)(3, "Model")(350,
                                                                                   ids.modelLayout);
  ownedBy(g, "ACDBDICTIONARYWDFLT", ids.plotStyles, ids.root);
  g(100, "AcDbDictionary")(281, 1)(3, "Normal")(350, ids.placeholder);
  g(100, "AcDbDictionaryWithDefault")(340, ids.placeholder);
  ownedBy(g, "ACDBPLACEHOLDER", ids.placeholder, ids.plotStyles);
  layout(g, ids, ids.modelLayout, "Model", 0, ids.modelRecord, box);
  layout(g, ids, ids.paperLayout, "Layout1", 1, ids.paperRecord, box);
  g(0, "ENDSEC");
}

}  // namespace orv::output::dxf
