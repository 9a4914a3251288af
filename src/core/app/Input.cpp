#include "core/app/Form1.h"

namespace quirn {

// Input reaches a handler only the way the window would let it through: shown
// segments, showing and enabled controls, usable menu items.

bool Form1::pressSegment(int index, int button) {
    if (index < 0 || index >= kSegmentCount || !model.segments[index].shown) return false;
    Label1_MouseDown(index, button);
    return true;
}

bool Form1::clickSquare(int index) {
    if (index < 0 || index >= kSquareCount) return false;
    cell_Click(index);
    return true;
}

namespace {

using Handler = void (Form1::*)();

struct ButtonHandler {
    ControlId button;
    Handler click;
};

struct MenuHandler {
    MenuId item;
    Handler click;
};

constexpr ButtonHandler kButtons[] = {
    {ControlId::Command1, &Form1::Command1_Click}, {ControlId::Command2, &Form1::Command2_Click},
    {ControlId::Command3, &Form1::Command3_Click}, {ControlId::Command4, &Form1::Command4_Click},
    {ControlId::Command5, &Form1::Command5_Click}, {ControlId::Command6, &Form1::Command6_Click},
    {ControlId::Command7, &Form1::Command7_Click}, {ControlId::Command8, &Form1::Command8_Click},
    {ControlId::Command9, &Form1::Command9_Click},
};

// Titles open their menus and the Number items only pop up; neither is listed.
constexpr MenuHandler kMenuItems[] = {
    {MenuId::mnquick, &Form1::mnquick_Click}, {MenuId::mnnorm, &Form1::mnnorm_Click},
    {MenuId::mnuhard, &Form1::mnuhard_Click}, {MenuId::mnadv, &Form1::mnadv_Click},
    {MenuId::mnopen, &Form1::mnopen_Click},   {MenuId::mrest, &Form1::mrest_Click},
    {MenuId::mh1, &Form1::mh1_Click},         {MenuId::mh2, &Form1::mh2_Click},
    {MenuId::mnres, &Form1::mnres_Click},     {MenuId::mskip, &Form1::mskip_Click},
    {MenuId::mnedit, &Form1::mnedit_Click},   {MenuId::mcreate, &Form1::mcreate_Click},
    {MenuId::mshows, &Form1::mshows_Click},   {MenuId::mdef, &Form1::mdef_Click},
    {MenuId::mnalt, &Form1::mnalt_Click},     {MenuId::mnuwas, &Form1::mnuwas_Click},
    {MenuId::mnugrey, &Form1::mnugrey_Click}, {MenuId::mnsound, &Form1::mnsound_Click},
    {MenuId::mnstart, &Form1::mnstart_Click}, {MenuId::mrules, &Form1::mrules_Click},
    {MenuId::mnread, &Form1::mnread_Click},   {MenuId::mVer, &Form1::mVer_Click},
    {MenuId::mnat, &Form1::mnat_Click},       {MenuId::msolweb, &Form1::msolweb_Click},
    {MenuId::mfor, &Form1::mfor_Click},       {MenuId::mweb, &Form1::mweb_Click},
};

} // namespace

bool Form1::clickControl(ControlId id) {
    if (!model.showing(id) || !model[id].enabled) return false;
    // Labels, pictures and boxes have no click of their own.
    for (const ButtonHandler& b : kButtons)
        if (b.button == id) (this->*b.click)();
    return true;
}

bool Form1::clickMenu(MenuId id) {
    if (!model.menuUsable(id)) return false;
    for (const MenuHandler& m : kMenuItems)
        if (m.item == id) (this->*m.click)();
    return true;
}

bool Form1::chooseComboEntry(int index) {
    Control& combo = model[ControlId::Combo1];
    if (!model.showing(ControlId::Combo1) || index < 0 ||
        index >= static_cast<int>(combo.items.size()))
        return false;
    combo.selected = index;
    combo.caption = combo.items[index];
    Combo1_Click();
    return true;
}

bool Form1::chooseFile(int index) {
    Control& files = model[ControlId::File1];
    if (!model.showing(ControlId::File1) || index < 0 ||
        index >= static_cast<int>(files.items.size()))
        return false;
    files.selected = index;
    File1_Click();
    return true;
}

bool Form1::selectListEntry(int index) {
    Control& list = model[ControlId::List1];
    if (!model.showing(ControlId::List1) || index < 0 ||
        index >= static_cast<int>(list.items.size()))
        return false;
    list.selected = index;
    return true;
}

bool Form1::setText(ControlId id, const std::string& text) {
    if (model[id].kind != ControlKind::TextBox || !model.showing(id) || !model[id].enabled)
        return false;
    model[id].caption = text;
    return true;
}

bool Form1::pressAt(double x, double y, int button) {
    const std::optional<HitTarget> hit = hitTest(model, x, y);
    if (!hit) return false;
    switch (hit->kind) {
    case HitTarget::Kind::Segment:
        Label1_MouseDown(hit->index, button);
        return true;
    case HitTarget::Kind::Square:
        if (button == 1) cell_Click(hit->index);
        return true;
    case HitTarget::Kind::Control:
        if (button != 1) return true;
        if (!model[hit->control].enabled) return false;
        if (model[hit->control].kind == ControlKind::Button) return clickControl(hit->control);
        return true;
    }
    return false;
}

} // namespace quirn
