// The form's menus: a command runs by its id while its menu stands; once the menu is rebuilt
// the old id runs nothing (not the command now in its place); disabled commands, commands in
// disabled menus and a disabled form run nothing; a context menu request raises the control's
// event before its popup menu is read.
#include <gtest/gtest.h>

#include "form/Form.h"

namespace orv::form {
namespace {

using Log = std::vector<std::string>;

class FormMenuTest : public ::testing::Test, public FormObserver {
 protected:
  FormMenuTest() { form.addObserver(this); }
  void propertyChanged(Control&, Property) override {}
  void focusChanged(Control*) override {}
  void formChanged() override {}
  void menusChanged() override { log.push_back("menus changed"); }

  // File > Save drawing, and Vehicles > (each vehicle) > Remove, which rebuilds the menus as
  // a list of collected vehicles does.
  std::vector<MenuItem> menus() {
    std::vector<MenuItem> removes;
    for (const std::string& v : vehicles) {
      auto remove = [this, v] {
        log.push_back("remove " + v);
        std::erase(vehicles, v);
        form.setMenuBar(menus());
      };
      removes.push_back(MenuItem::submenu(v, {MenuItem::command("&Remove", remove)}));
    }
    auto save = MenuItem::command(
        "&Save drawing...", [this] { log.push_back("save"); }, "", canSave);
    return {MenuItem::submenu("&File", {save}),
            MenuItem::submenu("&Vehicles", std::move(removes), vehiclesOn)};
  }

  Form form{"F", "Caption", Rect{0, 0, 3000, 3000}, Font{}};
  std::vector<std::string> vehicles{"ALDER ONE", "BRISK TWO"};
  bool canSave = true;
  bool vehiclesOn = true;
  Log log;
};

TEST_F(FormMenuTest, ACommandRunsByIdUntilItsMenuIsRebuiltAndMayRebuildItsOwnMenu) {
  form.setMenuBar(menus());
  const CommandId save = form.findCommand({"File", "Save drawing..."});
  const CommandId removeAlder = form.findCommand({"Vehicles", "ALDER ONE", "Remove"});
  form.setMenuBar(menus());  // the same menus again: the same ids, nothing to show
  EXPECT_EQ(form.findCommand({"File", "Save drawing..."}), save);
  EXPECT_TRUE(form.userCommand(save));
  EXPECT_TRUE(form.userCommand(removeAlder));
  // BRISK TWO's Remove stands where ALDER ONE's stood; the old id must not reach it.
  EXPECT_FALSE(form.userCommand(removeAlder));
  EXPECT_FALSE(form.userCommand(save));
  EXPECT_TRUE(form.userCommand(form.findCommand({"Vehicles", "BRISK TWO", "Remove"})));
  EXPECT_EQ(log, (Log{"menus changed", "save", "remove ALDER ONE", "menus changed",
                      "remove BRISK TWO", "menus changed"}));
}

TEST_F(FormMenuTest, DisabledCommandsMenusAndFormsRunNothing) {
  canSave = vehiclesOn = false;
  form.setMenuBar(menus());
  EXPECT_FALSE(form.userCommand(form.findCommand({"File", "Save drawing..."})));
  EXPECT_FALSE(form.userCommand(form.findCommand({"Vehicles", "ALDER ONE", "Remove"})));
  canSave = true;
  form.setMenuBar(menus());
  form.setEnabled(false);  // a modal window is open
  EXPECT_FALSE(form.userCommand(form.findCommand({"File", "Save drawing..."})));
  EXPECT_EQ(log, (Log{"menus changed", "menus changed"}));
}

TEST_F(FormMenuTest, AContextMenuRequestRaisesTheEventBeforeThePopupIsRead) {
  Control& cell = form.addControl(Kind::TextBox, "S_TEXT1", 3);
  cell.popupMenu = "M_ROW";
  EXPECT_EQ(cell.userContextMenu(), nullptr);  // the form has no such popup menu yet
  // The window selects the clicked row and offers the commands for it.
  cell.onContextMenu = [&] {
    log.push_back("ContextMenu " + cell.displayName());
    form.setPopupMenu("M_ROW", {MenuItem::command("&Remove row 3", [&] { log.push_back("3"); })});
  };
  const std::vector<MenuItem>* items = cell.userContextMenu();
  ASSERT_NE(items, nullptr);
  EXPECT_TRUE(form.userCommand(items->at(0).id));
  EXPECT_EQ(form.findCommand({"M_ROW", "Remove row 3"}), items->at(0).id);
  EXPECT_EQ(log, (Log{"ContextMenu S_TEXT1(3)", "menus changed", "3"}));
}

}  // namespace
}  // namespace orv::form
