// The main window as plain data: every control and menu item with the properties the
// game sets. Handlers change this model; a front end draws it and routes input back.
// Positions and sizes are in twips; colours are 0x00BBGGRR or a system colour.
#pragma once

#include "core/board/Lattice.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirn {

inline constexpr std::uint32_t kSystemWindowBackground = 0x80000005;
inline constexpr std::uint32_t kSystemWindowText = 0x80000008;
// What hints reveal and what the level check points out, in every theme.
inline constexpr std::uint32_t kSilver = 0xC0C0C0;

// Controls in the window's front-to-back order; a panel's children follow the panel.
enum class ControlId {
    Picture2,
    List1,
    Command6,
    Command7,
    Command8,
    Label8, // skipped-games panel
    Picture1,
    Command4,
    Label6,
    Image2, // start screen
    Command3,
    Command2,
    Command5,
    Picture3,
    Combo1,
    File1,
    Command9, // open-from-disk panel
    Text5,
    Text3,
    Command1,
    Text2,
    Text1,
    Text6,
    // The edge segments, then the clue squares, lie here in the stacking order.
    Label5,
    Label4,
    Label3,
    Label2,
    Image1,
    Count
};
inline constexpr int kControlCount = static_cast<int>(ControlId::Count);
// The first control behind the segments and squares.
inline constexpr ControlId kFirstBehindBoard = ControlId::Label5;

enum class ControlKind { Panel, Button, Label, TextBox, ListBox, ComboBox, FileList, Picture };

struct Font {
    std::string family;
    double points = 0;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

struct Control {
    ControlKind kind = ControlKind::Label;
    std::optional<ControlId> parent; // a panel, or the window itself
    std::string caption;             // caption or text, single-byte
    bool visible = true;
    bool enabled = true;
    double left = 0, top = 0, width = 0, height = 0;
    std::optional<std::uint32_t> backColor;
    std::optional<std::uint32_t> foreColor;
    std::optional<Font> font;
    bool transparent = false; // labels: the back colour is not painted
    bool framed = false;
    bool multiLine = false;
    // List box, combo box and file list entries.
    std::vector<std::string> items;
    int selected = -1;
    // File list: folder relative to the program folder, and the name pattern.
    std::string folder;
    std::string pattern;
    // Picture controls: the picture file relative to the program folder; empty for the
    // picture stored with the window.
    std::string picture;
    bool operator==(const Control&) const = default;
};

enum class MenuId {
    mnnum,
    m0,
    m1,
    m2,
    m3,
    m4,
    mclear,
    mplay,
    mnquick,
    mnnorm,
    mnuhard,
    mnadv,
    mnopen,
    mrest,
    mtools,
    mhints,
    mh1,
    mh2,
    mnres,
    mskip,
    mnedit,
    mcreate,
    mncheck,
    mnsolve,
    mopt,
    mncols,
    mdef,
    mnalt,
    mnuwas,
    mnugrey,
    mnsound,
    mshows,
    mnhelp,
    mnstart,
    mrules,
    mnat,
    mnread,
    msolweb,
    mfor,
    mweb,
    mVer,
    Count
};
inline constexpr int kMenuCount = static_cast<int>(MenuId::Count);

struct MenuItem {
    std::string caption;
    std::optional<MenuId> parent; // none for a title of the menu bar
    bool checked = false;
    bool enabled = true;
    bool inMenuBar = true; // the "Number" menu only pops up
    bool operator==(const MenuItem&) const = default;
};

struct Segment {
    bool shown = false;
    bool marked = false;
    bool outlined = true;
    std::uint32_t colour = kSystemWindowBackground;
    // Drawn in silver, whatever else it is, until the next press: what the level check
    // found.
    bool silver = false;
    bool operator==(const Segment&) const = default;
};

struct Square {
    std::string clue;
    std::uint32_t textColour = 0;
    bool operator==(const Square&) const = default;
};

struct WindowModel {
    WindowModel(); // the design state

    std::string caption;
    double width = 0; // outer size, frame, caption bar and menu bar included
    double height = 0;
    // The height of the screen the window is centred on, in twips (1080 pixels).
    double screenHeight = 16200;
    std::array<Control, kControlCount> controls;
    std::array<MenuItem, kMenuCount> menus;
    std::array<Segment, kSegmentCount> segments;
    std::array<Square, kSquareCount> squares;

    Control& operator[](ControlId id) { return controls[static_cast<int>(id)]; }
    const Control& operator[](ControlId id) const { return controls[static_cast<int>(id)]; }
    MenuItem& operator[](MenuId id) { return menus[static_cast<int>(id)]; }
    const MenuItem& operator[](MenuId id) const { return menus[static_cast<int>(id)]; }

    // Visible, and so is every panel it lies in.
    bool showing(ControlId id) const;
    // Enabled and its menu and every menu above it too.
    bool menuUsable(MenuId id) const;
    std::array<bool, kSegmentCount> shownSegments() const;
};

std::string_view controlName(ControlId id);
std::string_view menuName(MenuId id);
std::optional<ControlId> controlByName(std::string_view name);
std::optional<MenuId> menuByName(std::string_view name);

// Children of a panel or of a menu, in order.
std::vector<ControlId> childrenOf(ControlId panel);
std::vector<MenuId> menuChildren(std::optional<MenuId> parent);

// The window's non-client parts, in twips: what the layout counts between the outer size
// and the client area (frame, caption bar, menu bar).
inline constexpr double kFrameTwips = 60;
inline constexpr double kCaptionTwips = 345;
inline constexpr double kMenuBarTwips = 300;
double clientWidth(const WindowModel& model);
double clientHeight(const WindowModel& model); // below the menu bar

// What a press at client position (x, y) reaches: the front-most showing element.
struct HitTarget {
    enum class Kind { Control, Segment, Square } kind = Kind::Control;
    ControlId control = ControlId::Image1;
    int index = -1;
    bool operator==(const HitTarget&) const = default;
};
std::optional<HitTarget> hitTest(const WindowModel& model, double x, double y);

} // namespace quirn
