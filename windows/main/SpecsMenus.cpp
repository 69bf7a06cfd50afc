// Beyond the designed window: a menu bar above its client area and a context menu on the
// grid rows, with the analyst's commands for the vehicle of the selected row (its sheet, its
// drawing, its sister vehicles, the comparison). Their titles take no access key the window
// uses (it uses A C E H L M O R S T U V Y), and every designed control, key and message stays
// as it is.
#include "core/TextWriter.h"
#include "output/compare/CompareOutput.h"
#include "output/reports/ReportMessages.h"
#include "output/sheet/DrawingFiles.h"
#include "output/sheet/SheetPage.h"
#include "windows/main/SpecsWindow.h"
#include "windows/similar/SisterWindow.h"

namespace orv::windows {

using namespace core;
using namespace output;
using form::MenuItem;

namespace {

// The drawing files a person can save: each a view in a format, as the save dialog lists them.
struct DrawingType {
  const char* name;
  View view;
  DrawingFormat format;
};
constexpr DrawingType kDrawingTypes[] = {
    {"Top view, SVG drawing (*.svg)", View::Top, DrawingFormat::Svg},
    {"Side view, SVG drawing (*.svg)", View::Side, DrawingFormat::Svg},
    {"Top view, DXF drawing (*.dxf)", View::Top, DrawingFormat::Dxf},
    {"Side view, DXF drawing (*.dxf)", View::Side, DrawingFormat::Dxf},
};

}  // namespace

std::optional<Vehicle> SpecsWindow::chosenVehicle() {
  if (currentModel().empty()) {
    message(kNoModelSelected);
    return std::nullopt;
  }
  return selection_.currentVehicle();
}

void SpecsWindow::buildMenus() {
  // The commands on the selected row, in the menu bar and in the rows' context menu.
  const auto vehicleCommands = [this] {
    return std::vector<MenuItem>{
        MenuItem::command(
            "Vehicle &Sheet", [this] { showVehicleSheet(); }, "Ctrl+Shift+S"),
        MenuItem::command(
            "&Export Drawing...", [this] { exportDrawing(); }, "Ctrl+Shift+E"),
        MenuItem::command(
            "Find Sister &Vehicles...", [this] { findSisterVehicles(); }, "Ctrl+Shift+F"),
        MenuItem::separator(),
        MenuItem::command(
            "&Add to Comparison", [this] { addToComparison(); }, "Ctrl+Shift+A"),
        MenuItem::command(
            "&Compare", [this] { compareVehicles(Alignment::FrontAxle); }, "Ctrl+Shift+C"),
    };
  };

  std::vector<MenuItem> comparison{
      MenuItem::command(
          "&Add to Comparison", [this] { addToComparison(); }, "Ctrl+Shift+A"),
      MenuItem::command(
          "&Compare", [this] { compareVehicles(Alignment::FrontAxle); }, "Ctrl+Shift+C"),
      MenuItem::command("Compare at Front &End", [this] { compareVehicles(Alignment::FrontEnd); }),
      MenuItem::command("Compare at &Rear Axle", [this] { compareVehicles(Alignment::RearAxle); }),
  };
  const auto& vehicles = comparison_.vehicles();
  if (!vehicles.empty()) comparison.push_back(MenuItem::separator());
  for (std::size_t i = 0; i < vehicles.size(); ++i) {
    // "&1 1995 ALDER SPEY": a digit reaches each collected vehicle from the keyboard.
    std::string caption = "&" + std::to_string(i + 1) + " ";
    for (const char c : vehicles[i].name()) caption += c == '&' ? "&&" : std::string(1, c);
    comparison.push_back(MenuItem::submenu(
        caption, {MenuItem::command("&Remove", [this, i] { removeFromComparison(i); })}));
  }
  comparison.push_back(MenuItem::separator());
  comparison.push_back(MenuItem::command(
      "C&lear", [this] { clearComparison(); }, {}, !vehicles.empty()));

  form_.setMenuBar({MenuItem::submenu("Veh&icle", vehicleCommands()),
                    MenuItem::submenu("Com&parison", std::move(comparison))});
  form_.setPopupMenu(kRowMenu, vehicleCommands());
}

void SpecsWindow::showVehicleSheet() {
  if (const auto vehicle = chosenVehicle())
    showPage(sheetPage(*vehicle, selection_.units(), state_.versionText));
}

void SpecsWindow::exportDrawing() {
  const auto vehicle = chosenVehicle();
  if (!vehicle) return;
  std::vector<std::string> types;
  for (const auto& t : kDrawingTypes) types.emplace_back(t.name);
  const auto choice = env_.desktop.saver.askSaveFile(
      "Export Drawing", drawingFileName(vehicle->record, View::Top, DrawingFormat::Svg), types);
  if (!choice || choice->type < 0 || choice->type >= static_cast<int>(types.size())) return;
  const DrawingType& type = kDrawingTypes[choice->type];
  const std::string text =
      drawingFile(*vehicle, type.view, type.format, selection_.units(), state_.versionText);
  if (const std::string error = writeNewFile(choice->path, text, 0666); !error.empty())
    message("The drawing could not be saved. " + error);
}

void SpecsWindow::findSisterVehicles() {
  if (!sister_)
    sister_ = std::make_unique<SisterWindow>(env_.places, env_.desktop, state_.versionText,
                                             state_.lastYear);
  // A row without a model opens the window empty: typed values (tyre marks measured at a
  // scene) need no vehicle.
  std::optional<Vehicle> vehicle;
  if (!currentModel().empty()) vehicle = selection_.currentVehicle();
  sister_->open(std::move(vehicle), selection_.units());  // returns once it has closed
  S_SCROLL2->setFocus();
}

void SpecsWindow::addToComparison() {
  const auto vehicle = chosenVehicle();
  if (!vehicle) return;
  if (const std::string refused = comparison_.add(*vehicle); !refused.empty()) {
    message(refused);
    return;
  }
  buildMenus();
}

void SpecsWindow::compareVehicles(Alignment alignment) {
  if (const std::string tooFew = comparison_.tooFewToCompare(); !tooFew.empty()) {
    message(tooFew);
    return;
  }
  showPage(comparePage(comparison_.vehicles(), selection_.units(), alignment, state_.versionText));
}

void SpecsWindow::removeFromComparison(std::size_t index) {
  comparison_.remove(index);
  buildMenus();
}

void SpecsWindow::clearComparison() {
  comparison_.clear();
  buildMenus();
}

}  // namespace orv::windows
