#include "core/app/WindowModel.h"

#include "core/app/WindowDesign.h"

#include <algorithm>

namespace quirn {
namespace {

const Font kSansBold975{"MS Sans Serif", 9.75, true};
const Font kSansBold825{"MS Sans Serif", 8.25, true};
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kLightYellow = 0x80FFFF;

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
    return kDesign[static_cast<int>(id)].name;
}
std::string_view menuName(MenuId id) {
    return kMenus[static_cast<int>(id)].name;
}

std::optional<ControlId> controlByName(std::string_view name) {
    for (int i = 0; i < kControlCount; ++i)
        if (kDesign[i].name == name) return static_cast<ControlId>(i);
    return std::nullopt;
}

std::optional<MenuId> menuByName(std::string_view name) {
    for (int i = 0; i < kMenuCount; ++i)
        if (kMenus[i].name == name) return static_cast<MenuId>(i);
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
