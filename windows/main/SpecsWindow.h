// The main window F_SPECS: its design, the shared state and every event procedure of the
// window, written against the form model (no Qt). The Qt view shows it; tests drive it
// through the same user* calls a person's input arrives by.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/Places.h"
#include "core/Selection.h"
#include "core/SharedState.h"
#include "form/Desktop.h"
#include "form/Form.h"
#include "windows/main/ComparisonList.h"

namespace orv::output {
enum class Alignment;  // where overlaid outlines coincide (output/drawing)
}

namespace orv::windows {

class SearchWindow;
class SisterWindow;

// What the window needs from outside: places on disk, the desktop, the clock, and how to end
// the program.
struct SpecsEnvironment {
  const core::Places& places;
  form::Desktop desktop;
  std::function<int()> calendarYear;  // the current year of the system clock
  std::function<void()> quit;         // ends the program at once
};

class SpecsWindow {
 public:
  static constexpr int kGridRows = 14;
  static constexpr int kValueColumns = 8;

  explicit SpecsWindow(SpecsEnvironment env);
  ~SpecsWindow();

  form::Form& form() { return form_; }
  const core::SharedState& state() const { return state_; }
  // What the person has chosen: the year data, the row list, the grid position, the units.
  core::Selection& selection() { return selection_; }
  const core::Selection& selection() const { return selection_; }

  // --- controls (names as designed) ---
  form::ComboBox* S_UNITS = nullptr;
  form::ComboBox* S_MAKE = nullptr;
  form::ComboBox* S_YEAR = nullptr;
  form::ComboBox* S_MODELDROP = nullptr;
  form::ComboBox* S_SCROLL2 = nullptr;
  form::ListBox* S_LIST = nullptr;
  form::ScrollBar* S_SCROLL = nullptr;
  form::Control* B_HELP = nullptr;
  form::Control* B_SEARCH = nullptr;
  form::Control* B_LEGEND = nullptr;
  form::Control* B_MAKE = nullptr;
  form::Control* B_HISTORY = nullptr;
  form::Control* B_MODEL = nullptr;
  form::Control* B_YEAR = nullptr;
  form::Control* B_CLOSE = nullptr;
  form::Control* S_FRAME = nullptr;
  form::Control* Line1 = nullptr;
  form::Control* Label1 = nullptr;
  form::Control* Label2 = nullptr;
  form::Control* Label3 = nullptr;
  form::Control* Label4 = nullptr;
  form::Control* L_MODEL1 = nullptr;
  std::array<form::Control*, kValueColumns> L_TEXT{};
  form::Control* S_VERSION = nullptr;
  std::array<form::Control*, kGridRows> S_MODEL{};
  // S_TEXT[c][row] is element `row` of S_TEXT<c+1>.
  std::array<std::array<form::Control*, kGridRows>, kValueColumns> S_TEXT{};

  // --- start-up and shutdown ---
  void Form_Load();
  void Form_Activate();
  void Form_QueryUnload(int& cancel, int unloadMode);
  void B_CLOSE_Click();

  // --- units ---
  void S_UNITS_Change();
  void S_UNITS_Click();
  void S_UNITS_LostFocus();

  // --- year and make ---
  void S_YEAR_GotFocus();
  void S_YEAR_Click();
  void S_YEAR_KeyPress(int& keyAscii);
  void S_YEAR_LostFocus();
  void S_MAKE_GotFocus();
  void S_MAKE_DropDown();
  void S_MAKE_Click();
  void S_MAKE_KeyPress(int& keyAscii);
  void S_MAKE_LostFocus();

  // --- model list ---
  void F_LOADMODEL();
  void F_LOADMODEL2(bool in_set);
  void S_MODELDROP_GotFocus();
  void S_MODELDROP_Click();
  void S_MODELDROP_KeyPress(int& keyAscii);
  void S_MODELDROP_LostFocus();

  // --- grid, selection and keyboard ---
  void F_SCROLL();
  void S_SCROLL_Change();
  void F_LINE_SET(int in_row);
  void F_LINE_SET2(int in_row);
  void S_SCROLL2_GotFocus();
  void S_SCROLL2_LostFocus();
  void S_SCROLL2_KeyDown(int keyCode, int shift);
  void S_MODEL_Click(int index);
  void S_MODEL_GotFocus(int index);
  void S_MODEL_LostFocus(int index);
  void S_TEXT_Click(int index);     // S_TEXT1_Click to S_TEXT8_Click
  void S_CELL_DblClick(int index);  // every grid cell's DblClick, and S_LIST_DblClick

  // --- reports, search, help ---
  void B_MODEL_Click();
  void B_MAKE_Click();
  void B_YEAR_Click();
  void B_LEGEND_Click();
  void B_HISTORY_Click();
  void B_HELP_Click();
  void B_SEARCH_Click();

  // The search window of the last B_SEARCH_Click (null before the first).
  SearchWindow* searchWindow() const { return search_.get(); }

  // --- beyond the designed window: the menu bar above it and the grid rows' context menu
  // (SpecsMenus.cpp); the designed controls, keys and messages stay as they are ---
  // The name of the grid rows' popup menu.
  static constexpr const char* kRowMenu = "GridRows";
  void showVehicleSheet();
  void exportDrawing();
  void addToComparison();
  // The comparison page of the collected vehicles, aligned at `alignment`; a message when
  // fewer than two are collected.
  void compareVehicles(output::Alignment alignment);
  void removeFromComparison(std::size_t index);
  void clearComparison();
  const ComparisonList& comparison() const { return comparison_; }
  // Opens the sister-vehicle window for the selected row's vehicle, or empty for typed values
  // when the row shows none; returns once it has closed.
  void findSisterVehicles();
  // The sister-vehicle window of the last findSisterVehicles (null before the first).
  SisterWindow* sisterWindow() const { return sister_.get(); }

 private:
  void buildDesign();
  void connectEvents();
  void message(std::string_view text) { env_.desktop.boxes.message(text); }

  // Shared steps of the year and make handlers.
  bool readYearFile();
  void reloadForNewYear();
  void reloadForNewMake();
  void resetGridPosition();
  void setUpScrollBar();
  void setSinkEntry(int top);

  // The model name the current grid row shows, trimmed; empty when it shows none.
  std::string_view currentModel() const;
  // The vehicle of the selected grid row for a command; nothing (after telling the person)
  // when the row shows none.
  std::optional<core::Vehicle> chosenVehicle();
  // The menu bar and the rows' popup menu as the comparison list now stands.
  void buildMenus();

  // Writes a finished page and opens it; false (after telling the user) when it failed.
  bool showPage(const std::string& page);
  void afterReport();

  SpecsEnvironment env_;
  form::Form form_;
  core::SharedState state_;
  core::Selection selection_;
  ComparisonList comparison_;
  std::unique_ptr<SearchWindow> search_;
  std::unique_ptr<SisterWindow> sister_;
};

}  // namespace orv::windows
