#include "core/app/WindowModel.h"

#include <algorithm>

namespace quirn {
namespace {

constexpr std::array<std::string_view, kControlCount> kControlNames = {
    "Picture2", "List1",  "Command6", "Command7", "Command8", "Label8",   "Picture1",
    "Command4", "Label6", "Image2",   "Command3", "Command2", "Command5", "Picture3",
    "Combo1",   "File1",  "Command9", "Text5",    "Text3",    "Command1", "Text2",
    "Text1",    "Text6",  "Label5",   "Label4",   "Label3",   "Label2",   "Image1"};

constexpr std::array<std::string_view, kMenuCount> kMenuNames = {
    "mnnum",   "m0",     "m1",      "m2",      "m3",      "m4",      "mclear", "mplay",
    "mnquick", "mnnorm", "mnuhard", "mnadv",   "mnopen",  "mrest",   "mtools", "mhints",
    "mh1",     "mh2",    "mnres",   "mskip",   "mnedit",  "mcreate", "mopt",   "mncols",
    "mdef",    "mnalt",  "mnuwas",  "mnugrey", "mnsound", "mshows",  "mnhelp", "mnstart",
    "mrules",  "mnat",   "mnread",  "msolweb", "mfor",    "mweb",    "mVer"};

const Font kSansBold975{"MS Sans Serif", 9.75, true};
const Font kSansBold825{"MS Sans Serif", 8.25, true};
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kLightYellow = 0x80FFFF;

struct ControlDesign {
    ControlId id;
    ControlKind kind;
    std::optional<ControlId> parent;
    double left, top, width, height;
    std::string_view caption;
    bool visible;
};

// Design positions and captions of the main window.
constexpr ControlDesign kDesign[] = {
    {ControlId::Picture2, ControlKind::Panel, {}, -30, -30, 12645, 8505, "", false},
    {ControlId::List1, ControlKind::ListBox, ControlId::Picture2, 120, 240, 3705, 5820, "", true},
    {ControlId::Command6, ControlKind::Button, ControlId::Picture2, 3930, 4770, 1695, 375, "Remove",
     true},
    {ControlId::Command7, ControlKind::Button, ControlId::Picture2, 3930, 5250, 1695, 375,
     "Play Level", true},
    {ControlId::Command8, ControlKind::Button, ControlId::Picture2, 3930, 5730, 1695, 375, "Okay",
     true},
    {ControlId::Label8, ControlKind::Label, ControlId::Picture2, 180, 6390, 4275, 375, "", true},
    {ControlId::Picture1, ControlKind::Panel, {}, -1590, 8310, 3825, 5055, "", false},
    {ControlId::Command4, ControlKind::Button, ControlId::Picture1, 2880, 4560, 735, 375, "OK",
     true},
    {ControlId::Label6, ControlKind::Label, ControlId::Picture1, 240, 4080, 3135, 735,
     "Construct a complete loop using the clues showing how many sides of each square are used.",
     true},
    {ControlId::Image2, ControlKind::Picture, ControlId::Picture1, -30, 0, 3825, 5055, "", true},
    {ControlId::Command3, ControlKind::Button, {}, 9090, 7680, 1935, 495, "Clear All", true},
    {ControlId::Command2, ControlKind::Button, {}, 10140, 7740, 1935, 495, "Next Game!", true},
    {ControlId::Command5, ControlKind::Button, {}, 3480, 3810, 735, 375, "Close", false},
    {ControlId::Picture3, ControlKind::Panel, {}, 1560, 8490, 3855, 4875, "", false},
    {ControlId::Combo1, ControlKind::ComboBox, ControlId::Picture3, 90, 90, 2445, 360,
     "Quick games:", true},
    {ControlId::File1, ControlKind::FileList, ControlId::Picture3, 90, 540, 2445, 4110, "", true},
    {ControlId::Command9, ControlKind::Button, ControlId::Picture3, 2640, 4260, 1035, 405, "Close",
     true},
    {ControlId::Text5, ControlKind::TextBox, {}, -690, 9570, 4335, 375, "Text5", true},
    {ControlId::Text3, ControlKind::TextBox, {}, 1920, 7620, 735, 495, "", false},
    {ControlId::Command1, ControlKind::Button, {}, 360, 7620, 1575, 495, "Save As #:", false},
    {ControlId::Text2, ControlKind::TextBox, {}, 5310, 9150, 4335, 495, "", true},
    {ControlId::Text1, ControlKind::TextBox, {}, 5190, 9390, 3615, 495, "Text1", true},
    {ControlId::Text6, ControlKind::TextBox, {}, 0, 0, 10635, 8475, "Text6", false},
    {ControlId::Label5, ControlKind::Label, {}, 360, 7740, 2955, 615, "", true},
    {ControlId::Label4, ControlKind::Label, {}, 4920, 11790, 3975, 375, "Label4", true},
    {ControlId::Label3, ControlKind::Label, {}, 4920, 11190, 3975, 495, "Label3", true},
    {ControlId::Label2, ControlKind::Label, {}, 4920, 10710, 3975, 495, "Label2", true},
    {ControlId::Image1, ControlKind::Picture, {}, -30, -30, 5850, 8940, "", true},
};

struct MenuDesign {
    MenuId id;
    std::optional<MenuId> parent;
    std::string_view caption;
};

constexpr MenuDesign kMenus[] = {
    {MenuId::mnnum, {}, "Number"},
    {MenuId::m0, MenuId::mnnum, "0"},
    {MenuId::m1, MenuId::mnnum, "1"},
    {MenuId::m2, MenuId::mnnum, "2"},
    {MenuId::m3, MenuId::mnnum, "3"},
    {MenuId::m4, MenuId::mnnum, "4"},
    {MenuId::mclear, MenuId::mnnum, "Clear"},
    {MenuId::mplay, {}, "Play"},
    {MenuId::mnquick, MenuId::mplay, "Quick Level"},
    {MenuId::mnnorm, MenuId::mplay, "Normal Level"},
    {MenuId::mnuhard, MenuId::mplay, "Hard Level"},
    {MenuId::mnadv, MenuId::mplay, "Advanced Level"},
    {MenuId::mnopen, MenuId::mplay, "Open a Level on disk"},
    {MenuId::mrest, MenuId::mplay, "Restart series from level..."},
    {MenuId::mtools, {}, "Tools"},
    {MenuId::mhints, MenuId::mtools, "Hints"},
    {MenuId::mh1, MenuId::mhints, "Hint 1"},
    {MenuId::mh2, MenuId::mhints, "Hint 2"},
    {MenuId::mnres, MenuId::mtools, "Restart Level"},
    {MenuId::mskip, MenuId::mtools, "Skip this level"},
    {MenuId::mnedit, MenuId::mtools, "Edit this level"},
    {MenuId::mcreate, MenuId::mtools, "Create New Level"},
    {MenuId::mopt, {}, "Options"},
    {MenuId::mncols, MenuId::mopt, "Colours"},
    {MenuId::mdef, MenuId::mncols, "Red Glow"},
    {MenuId::mnalt, MenuId::mncols, "Cool Blue"},
    {MenuId::mnuwas, MenuId::mncols, "Wash"},
    {MenuId::mnugrey, MenuId::mncols, "Parchment"},
    {MenuId::mnsound, MenuId::mopt, "Sound Effects"},
    {MenuId::mshows, MenuId::mopt, "Show skipped games"},
    {MenuId::mnhelp, {}, "Help"},
    {MenuId::mnstart, MenuId::mnhelp, "Start Screen"},
    {MenuId::mrules, MenuId::mnhelp, "Rules of the Game"},
    {MenuId::mnat, MenuId::mnhelp, "Advice and Tactics"},
    {MenuId::mnread, MenuId::mnhelp, "Notes on creating puzzles"},
    {MenuId::msolweb, MenuId::mnhelp, "Solutions"},
    {MenuId::mfor, MenuId::mnhelp, "Forum"},
    {MenuId::mweb, MenuId::mnhelp, "Website"},
    {MenuId::mVer, MenuId::mnhelp, "Version"},
};

std::optional<MenuId> rootOf(const std::array<MenuItem, kMenuCount>& menus, MenuId id) {
    std::optional<MenuId> at = id;
    while (menus[static_cast<int>(*at)].parent) at = menus[static_cast<int>(*at)].parent;
    return at;
}

} // namespace

WindowModel::WindowModel()
    : caption("Quirn Puzzle"), width(12975 + 2 * kFrameTwips),
      height(11085 + kCaptionTwips + kMenuBarTwips + 2 * kFrameTwips) {
    for (const ControlDesign& design : kDesign) {
        Control& c = (*this)[design.id];
        c.kind = design.kind;
        c.parent = design.parent;
        c.left = design.left;
        c.top = design.top;
        c.width = design.width;
        c.height = design.height;
        c.caption = std::string(design.caption);
        c.visible = design.visible;
    }
    for (ControlId panel : {ControlId::Picture2, ControlId::Picture3})
        (*this)[panel].backColor = kBlack;
    for (ControlId box :
         {ControlId::List1, ControlId::Combo1, ControlId::File1, ControlId::Text6}) {
        (*this)[box].foreColor = kWhite;
        (*this)[box].backColor = kBlack;
        (*this)[box].font = kSansBold975;
    }
    (*this)[ControlId::Picture1].backColor = kSystemWindowBackground;
    (*this)[ControlId::Picture1].framed = true;
    (*this)[ControlId::Label8].foreColor = kLightYellow;
    (*this)[ControlId::Label8].font = kSansBold975;
    (*this)[ControlId::Label8].transparent = true;
    (*this)[ControlId::Label6].foreColor = kLightYellow;
    (*this)[ControlId::Label6].font = kSansBold825;
    (*this)[ControlId::Label6].transparent = true;
    (*this)[ControlId::Label5].foreColor = 0x00FFFF;
    (*this)[ControlId::Label5].font = kSansBold825;
    (*this)[ControlId::Label5].transparent = true;
    (*this)[ControlId::Command2].enabled = false;
    (*this)[ControlId::Command1].backColor = 0x0000C0;
    (*this)[ControlId::Text3].font = kSansBold975;
    (*this)[ControlId::Text1].multiLine = true;
    (*this)[ControlId::Text6].multiLine = true;
    for (ControlId store : {ControlId::Label2, ControlId::Label3, ControlId::Label4})
        (*this)[store].framed = true;
    (*this)[ControlId::File1].pattern = "*.*";

    for (const MenuDesign& design : kMenus) {
        MenuItem& m = (*this)[design.id];
        m.caption = std::string(design.caption);
        m.parent = design.parent;
    }
    for (MenuId id : {MenuId::mnnum, MenuId::m0, MenuId::m1, MenuId::m2, MenuId::m3, MenuId::m4,
                      MenuId::mclear})
        (*this)[id].inMenuBar = false;

    for (Square& s : squares) s.textColour = kSystemWindowText;
}

bool WindowModel::showing(ControlId id) const {
    const Control& c = (*this)[id];
    if (!c.visible) return false;
    return !c.parent || showing(*c.parent);
}

bool WindowModel::menuUsable(MenuId id) const {
    for (std::optional<MenuId> at = id; at; at = (*this)[*at].parent)
        if (!(*this)[*at].enabled) return false;
    const std::optional<MenuId> root = rootOf(menus, id);
    return (*this)[*root].inMenuBar;
}

std::array<bool, kSegmentCount> WindowModel::shownSegments() const {
    std::array<bool, kSegmentCount> shown{};
    for (int i = 0; i < kSegmentCount; ++i) shown[i] = segments[i].shown;
    return shown;
}

std::string_view controlName(ControlId id) {
    return kControlNames[static_cast<int>(id)];
}
std::string_view menuName(MenuId id) {
    return kMenuNames[static_cast<int>(id)];
}

std::optional<ControlId> controlByName(std::string_view name) {
    for (int i = 0; i < kControlCount; ++i)
        if (kControlNames[i] == name) return static_cast<ControlId>(i);
    return std::nullopt;
}

std::optional<MenuId> menuByName(std::string_view name) {
    for (int i = 0; i < kMenuCount; ++i)
        if (kMenuNames[i] == name) return static_cast<MenuId>(i);
    return std::nullopt;
}

std::vector<ControlId> childrenOf(ControlId panel) {
    std::vector<ControlId> out;
    for (const ControlDesign& design : kDesign)
        if (design.parent == panel) out.push_back(design.id);
    return out;
}

std::vector<MenuId> menuChildren(std::optional<MenuId> parent) {
    std::vector<MenuId> out;
    for (const MenuDesign& design : kMenus)
        if (design.parent == parent) out.push_back(design.id);
    return out;
}

double clientWidth(const WindowModel& model) {
    return model.width - 2 * kFrameTwips;
}
double clientHeight(const WindowModel& model) {
    return model.height - kCaptionTwips - kMenuBarTwips - 2 * kFrameTwips;
}

namespace {

// Absolute client-area rectangle of a control, and the panel rectangles that clip it.
bool controlContains(const WindowModel& model, ControlId id, double x, double y) {
    const Control& c = model[id];
    double left = c.left, top = c.top;
    if (c.parent) {
        const Control& panel = model[*c.parent];
        if (!Rect{panel.left, panel.top, panel.width, panel.height}.contains(x, y)) return false;
        left += panel.left;
        top += panel.top;
    }
    return Rect{left, top, c.width, c.height}.contains(x, y);
}

std::optional<HitTarget> hitAmong(const WindowModel& model, int from, int to, double x, double y) {
    for (int i = from; i < to; ++i) {
        const auto id = static_cast<ControlId>(i);
        if (!model.showing(id) || !controlContains(model, id, x, y)) continue;
        // A panel's children lie in front of it, right after it in the order.
        if (model[id].kind == ControlKind::Panel) {
            for (ControlId child : childrenOf(id))
                if (model.showing(child) && controlContains(model, child, x, y))
                    return HitTarget{HitTarget::Kind::Control, child, -1};
        }
        return HitTarget{HitTarget::Kind::Control, id, -1};
    }
    return std::nullopt;
}

} // namespace

std::optional<HitTarget> hitTest(const WindowModel& model, double x, double y) {
    const int board = static_cast<int>(kFirstBehindBoard);
    if (auto hit = hitAmong(model, 0, board, x, y)) return hit;
    if (auto segment = segmentAt(x, y, model.shownSegments()))
        return HitTarget{HitTarget::Kind::Segment, ControlId::Image1, *segment};
    if (auto square = squareAt(x, y))
        return HitTarget{HitTarget::Kind::Square, ControlId::Image1, *square};
    return hitAmong(model, board, kControlCount, x, y);
}

} // namespace quirn
