// The main window as designed: every control and menu item with its name, place and
// caption, one row per id in id order. The build checks that the rows and the ids agree.
#pragma once

#include "core/app/WindowModel.h"

#include <optional>
#include <string_view>

namespace quirn {

struct ControlDesign {
    ControlId id;
    std::string_view name;
    ControlKind kind;
    std::optional<ControlId> parent;
    double left, top, width, height;
    std::string_view caption;
    bool visible;
};

// Design positions and captions of the main window.
inline constexpr ControlDesign kDesign[] = {
    {ControlId::Picture2, "Picture2", ControlKind::Panel, {}, -30, -30, 12645, 8505, "", false},
    {ControlId::List1, "List1", ControlKind::ListBox, ControlId::Picture2, 120, 240, 3705, 5820, "",
     true},
    {ControlId::Command6, "Command6", ControlKind::Button, ControlId::Picture2, 3930, 4770, 1695,
     375, "Remove", true},
    {ControlId::Command7, "Command7", ControlKind::Button, ControlId::Picture2, 3930, 5250, 1695,
     375, "Play Level", true},
    {ControlId::Command8, "Command8", ControlKind::Button, ControlId::Picture2, 3930, 5730, 1695,
     375, "Okay", true},
    {ControlId::Label8, "Label8", ControlKind::Label, ControlId::Picture2, 180, 6390, 4275, 375, "",
     true},
    {ControlId::Picture1, "Picture1", ControlKind::Panel, {}, -1590, 8310, 3825, 5055, "", false},
    {ControlId::Command4, "Command4", ControlKind::Button, ControlId::Picture1, 2880, 4560, 735,
     375, "OK", true},
    {ControlId::Label6, "Label6", ControlKind::Label, ControlId::Picture1, 240, 4080, 3135, 735,
     "Construct a complete loop using the clues showing how many sides of each square are used.",
     true},
    {ControlId::Image2, "Image2", ControlKind::Picture, ControlId::Picture1, -30, 0, 3825, 5055, "",
     true},
    {ControlId::Command3,
     "Command3",
     ControlKind::Button,
     {},
     9090,
     7680,
     1935,
     495,
     "Clear All",
     true},
    {ControlId::Command2,
     "Command2",
     ControlKind::Button,
     {},
     10140,
     7740,
     1935,
     495,
     "Next Game!",
     true},
    {ControlId::Command5,
     "Command5",
     ControlKind::Button,
     {},
     3480,
     3810,
     735,
     375,
     "Close",
     false},
    {ControlId::Picture3, "Picture3", ControlKind::Panel, {}, 1560, 8490, 3855, 4875, "", false},
    {ControlId::Combo1, "Combo1", ControlKind::ComboBox, ControlId::Picture3, 90, 90, 2445, 360,
     "Quick games:", true},
    {ControlId::File1, "File1", ControlKind::FileList, ControlId::Picture3, 90, 540, 2445, 4110, "",
     true},
    {ControlId::Command9, "Command9", ControlKind::Button, ControlId::Picture3, 2640, 4260, 1035,
     405, "Close", true},
    {ControlId::Text5, "Text5", ControlKind::TextBox, {}, -690, 9570, 4335, 375, "Text5", true},
    {ControlId::Text3, "Text3", ControlKind::TextBox, {}, 1920, 7620, 735, 495, "", false},
    {ControlId::Command1,
     "Command1",
     ControlKind::Button,
     {},
     360,
     7620,
     1575,
     495,
     "Save As #:",
     false},
    {ControlId::Text2, "Text2", ControlKind::TextBox, {}, 5310, 9150, 4335, 495, "", true},
    {ControlId::Text1, "Text1", ControlKind::TextBox, {}, 5190, 9390, 3615, 495, "Text1", true},
    {ControlId::Text6, "Text6", ControlKind::TextBox, {}, 0, 0, 10635, 8475, "Text6", false},
    {ControlId::Label5, "Label5", ControlKind::Label, {}, 360, 7740, 2955, 615, "", true},
    {ControlId::Label4, "Label4", ControlKind::Label, {}, 4920, 11790, 3975, 375, "Label4", true},
    {ControlId::Label3, "Label3", ControlKind::Label, {}, 4920, 11190, 3975, 495, "Label3", true},
    {ControlId::Label2, "Label2", ControlKind::Label, {}, 4920, 10710, 3975, 495, "Label2", true},
    {ControlId::Image1, "Image1", ControlKind::Picture, {}, -30, -30, 5850, 8940, "", true},
};

struct MenuDesign {
    MenuId id;
    std::string_view name;
    std::optional<MenuId> parent;
    std::string_view caption;
};

inline constexpr MenuDesign kMenus[] = {
    {MenuId::mnnum, "mnnum", {}, "Number"},
    {MenuId::m0, "m0", MenuId::mnnum, "0"},
    {MenuId::m1, "m1", MenuId::mnnum, "1"},
    {MenuId::m2, "m2", MenuId::mnnum, "2"},
    {MenuId::m3, "m3", MenuId::mnnum, "3"},
    {MenuId::m4, "m4", MenuId::mnnum, "4"},
    {MenuId::mclear, "mclear", MenuId::mnnum, "Clear"},
    {MenuId::mplay, "mplay", {}, "Play"},
    {MenuId::mnquick, "mnquick", MenuId::mplay, "Quick Level"},
    {MenuId::mnnorm, "mnnorm", MenuId::mplay, "Normal Level"},
    {MenuId::mnuhard, "mnuhard", MenuId::mplay, "Hard Level"},
    {MenuId::mnadv, "mnadv", MenuId::mplay, "Advanced Level"},
    {MenuId::mnopen, "mnopen", MenuId::mplay, "Open a Level on disk"},
    {MenuId::mrest, "mrest", MenuId::mplay, "Restart series from level..."},
    {MenuId::mtools, "mtools", {}, "Tools"},
    {MenuId::mhints, "mhints", MenuId::mtools, "Hints"},
    {MenuId::mh1, "mh1", MenuId::mhints, "Hint 1"},
    {MenuId::mh2, "mh2", MenuId::mhints, "Hint 2"},
    {MenuId::mnres, "mnres", MenuId::mtools, "Restart Level"},
    {MenuId::mskip, "mskip", MenuId::mtools, "Skip this level"},
    {MenuId::mnedit, "mnedit", MenuId::mtools, "Edit this level"},
    {MenuId::mcreate, "mcreate", MenuId::mtools, "Create New Level"},
    {MenuId::mncheck, "mncheck", MenuId::mtools, "Check this level"},
    {MenuId::mnsolve, "mnsolve", MenuId::mtools, "Solve from clues"},
    {MenuId::mopt, "mopt", {}, "Options"},
    {MenuId::mncols, "mncols", MenuId::mopt, "Colours"},
    {MenuId::mdef, "mdef", MenuId::mncols, "Red Glow"},
    {MenuId::mnalt, "mnalt", MenuId::mncols, "Cool Blue"},
    {MenuId::mnuwas, "mnuwas", MenuId::mncols, "Wash"},
    {MenuId::mnugrey, "mnugrey", MenuId::mncols, "Parchment"},
    {MenuId::mnsound, "mnsound", MenuId::mopt, "Sound Effects"},
    {MenuId::mshows, "mshows", MenuId::mopt, "Show skipped games"},
    {MenuId::mnhelp, "mnhelp", {}, "Help"},
    {MenuId::mnstart, "mnstart", MenuId::mnhelp, "Start Screen"},
    {MenuId::mrules, "mrules", MenuId::mnhelp, "Rules of the Game"},
    {MenuId::mnat, "mnat", MenuId::mnhelp, "Advice and Tactics"},
    {MenuId::mnread, "mnread", MenuId::mnhelp, "Notes on creating puzzles"},
    {MenuId::msolweb, "msolweb", MenuId::mnhelp, "Solutions"},
    {MenuId::mfor, "mfor", MenuId::mnhelp, "Forum"},
    {MenuId::mweb, "mweb", MenuId::mnhelp, "Website"},
    {MenuId::mVer, "mVer", MenuId::mnhelp, "Version"},
};

template <class Rows, class Id> constexpr bool rowsFollowIds(const Rows& rows, int count) {
    if (static_cast<int>(std::size(rows)) != count) return false;
    for (int i = 0; i < count; ++i)
        if (rows[i].id != static_cast<Id>(i) || rows[i].name.empty()) return false;
    return true;
}
static_assert(rowsFollowIds<decltype(kDesign), ControlId>(kDesign, kControlCount),
              "one design row per control, in ControlId order");
static_assert(rowsFollowIds<decltype(kMenus), MenuId>(kMenus, kMenuCount),
              "one design row per menu item, in MenuId order");

// Whether a menu item opens a menu of its own (a title), rather than running a command.
constexpr bool opensMenu(MenuId id) {
    for (const MenuDesign& row : kMenus)
        if (row.parent == id) return true;
    return false;
}

} // namespace quirn
