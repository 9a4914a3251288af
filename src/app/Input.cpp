#include "app/Form1.h"

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

bool Form1::clickControl(ControlId id) {
    if (!model.showing(id) || !model[id].enabled) return false;
    switch (id) {
    case ControlId::Command1:
        Command1_Click();
        break;
    case ControlId::Command2:
        Command2_Click();
        break;
    case ControlId::Command3:
        Command3_Click();
        break;
    case ControlId::Command4:
        Command4_Click();
        break;
    case ControlId::Command5:
        Command5_Click();
        break;
    case ControlId::Command6:
        Command6_Click();
        break;
    case ControlId::Command7:
        Command7_Click();
        break;
    case ControlId::Command8:
        Command8_Click();
        break;
    case ControlId::Command9:
        Command9_Click();
        break;
    default:
        break; // labels, pictures and boxes have no click of their own
    }
    return true;
}

bool Form1::clickMenu(MenuId id) {
    if (!model.menuUsable(id)) return false;
    switch (id) {
    case MenuId::mnquick:
        mnquick_Click();
        break;
    case MenuId::mnnorm:
        mnnorm_Click();
        break;
    case MenuId::mnuhard:
        mnuhard_Click();
        break;
    case MenuId::mnadv:
        mnadv_Click();
        break;
    case MenuId::mnopen:
        mnopen_Click();
        break;
    case MenuId::mrest:
        mrest_Click();
        break;
    case MenuId::mh1:
        mh1_Click();
        break;
    case MenuId::mh2:
        mh2_Click();
        break;
    case MenuId::mnres:
        mnres_Click();
        break;
    case MenuId::mskip:
        mskip_Click();
        break;
    case MenuId::mnedit:
        mnedit_Click();
        break;
    case MenuId::mcreate:
        mcreate_Click();
        break;
    case MenuId::mshows:
        mshows_Click();
        break;
    case MenuId::mdef:
        mdef_Click();
        break;
    case MenuId::mnalt:
        mnalt_Click();
        break;
    case MenuId::mnuwas:
        mnuwas_Click();
        break;
    case MenuId::mnugrey:
        mnugrey_Click();
        break;
    case MenuId::mnsound:
        mnsound_Click();
        break;
    case MenuId::mnstart:
        mnstart_Click();
        break;
    case MenuId::mrules:
        mrules_Click();
        break;
    case MenuId::mnread:
        mnread_Click();
        break;
    case MenuId::mVer:
        mVer_Click();
        break;
    case MenuId::mnat:
        mnat_Click();
        break;
    case MenuId::msolweb:
        msolweb_Click();
        break;
    case MenuId::mfor:
        mfor_Click();
        break;
    case MenuId::mweb:
        mweb_Click();
        break;
    default:
        break; // titles open their menus; the Number items only pop up
    }
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
