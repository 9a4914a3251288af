#include "core/app/Form1.h"
#include "core/app/WindowDesign.h"

namespace quirn {

// Input reaches a handler only the way the window would let it through: shown
// segments, showing and enabled controls, usable menu items.

namespace {

using Handler = void (Form1::*)();

struct ControlClick {
    ControlId id;
    Handler click; // buttons only
};

struct MenuClick {
    MenuId id;
    Handler click; // every item that runs a command; titles open their menus
};

constexpr ControlClick kControlClicks[] = {
    {ControlId::Picture2, nullptr},
    {ControlId::List1, nullptr},
    {ControlId::Command6, &Form1::Command6_Click},
    {ControlId::Command7, &Form1::Command7_Click},
    {ControlId::Command8, &Form1::Command8_Click},
    {ControlId::Label8, nullptr},
    {ControlId::Picture1, nullptr},
    {ControlId::Command4, &Form1::Command4_Click},
    {ControlId::Label6, nullptr},
    {ControlId::Image2, nullptr},
    {ControlId::Command3, &Form1::Command3_Click},
    {ControlId::Command2, &Form1::Command2_Click},
    {ControlId::Command5, &Form1::Command5_Click},
    {ControlId::Picture3, nullptr},
    {ControlId::Combo1, nullptr},
    {ControlId::File1, nullptr},
    {ControlId::Command9, &Form1::Command9_Click},
    {ControlId::Text5, nullptr},
    {ControlId::Text3, nullptr},
    {ControlId::Command1, &Form1::Command1_Click},
    {ControlId::Text2, nullptr},
    {ControlId::Text1, nullptr},
    {ControlId::Text6, nullptr},
    {ControlId::Label5, nullptr},
    {ControlId::Label4, nullptr},
    {ControlId::Label3, nullptr},
    {ControlId::Label2, nullptr},
    {ControlId::Image1, nullptr},
};

constexpr MenuClick kMenuClicks[] = {
    {MenuId::mnnum, nullptr},
    {MenuId::m0, &Form1::m0_Click},
    {MenuId::m1, &Form1::m1_Click},
    {MenuId::m2, &Form1::m2_Click},
    {MenuId::m3, &Form1::m3_Click},
    {MenuId::m4, &Form1::m4_Click},
    {MenuId::mclear, &Form1::mclear_Click},
    {MenuId::mplay, nullptr},
    {MenuId::mnquick, &Form1::mnquick_Click},
    {MenuId::mnnorm, &Form1::mnnorm_Click},
    {MenuId::mnuhard, &Form1::mnuhard_Click},
    {MenuId::mnadv, &Form1::mnadv_Click},
    {MenuId::mnopen, &Form1::mnopen_Click},
    {MenuId::mrest, &Form1::mrest_Click},
    {MenuId::mtools, nullptr},
    {MenuId::mhints, nullptr},
    {MenuId::mh1, &Form1::mh1_Click},
    {MenuId::mh2, &Form1::mh2_Click},
    {MenuId::mnres, &Form1::mnres_Click},
    {MenuId::mskip, &Form1::mskip_Click},
    {MenuId::mnedit, &Form1::mnedit_Click},
    {MenuId::mcreate, &Form1::mcreate_Click},
    {MenuId::mncheck, &Form1::mncheck_Click},
    {MenuId::mnsolve, &Form1::mnsolve_Click},
    {MenuId::mopt, nullptr},
    {MenuId::mncols, nullptr},
    {MenuId::mdef, &Form1::mdef_Click},
    {MenuId::mnalt, &Form1::mnalt_Click},
    {MenuId::mnuwas, &Form1::mnuwas_Click},
    {MenuId::mnugrey, &Form1::mnugrey_Click},
    {MenuId::mnsound, &Form1::mnsound_Click},
    {MenuId::mshows, &Form1::mshows_Click},
    {MenuId::mnhelp, nullptr},
    {MenuId::mnstart, &Form1::mnstart_Click},
    {MenuId::mrules, &Form1::mrules_Click},
    {MenuId::mnat, &Form1::mnat_Click},
    {MenuId::mnread, &Form1::mnread_Click},
    {MenuId::msolweb, &Form1::msolweb_Click},
    {MenuId::mfor, &Form1::mfor_Click},
    {MenuId::mweb, &Form1::mweb_Click},
    {MenuId::mVer, &Form1::mVer_Click},
};

constexpr bool everyButtonAndOnlyButtonsClick() {
    if (std::size(kControlClicks) != kControlCount) return false;
    for (int i = 0; i < kControlCount; ++i) {
        if (kControlClicks[i].id != static_cast<ControlId>(i)) return false;
        if ((kDesign[i].kind == ControlKind::Button) != (kControlClicks[i].click != nullptr))
            return false;
    }
    return true;
}
static_assert(everyButtonAndOnlyButtonsClick(),
              "one row per control in ControlId order, a handler for exactly the buttons");

constexpr bool everyCommandItemRuns() {
    if (std::size(kMenuClicks) != kMenuCount) return false;
    for (int i = 0; i < kMenuCount; ++i) {
        const auto id = static_cast<MenuId>(i);
        if (kMenuClicks[i].id != id) return false;
        if (opensMenu(id) == (kMenuClicks[i].click != nullptr)) return false;
    }
    return true;
}
static_assert(everyCommandItemRuns(),
              "one row per menu item in MenuId order, a handler for exactly the commands");

InputResult refused(std::string_view why) {
    return InputResult{why};
}

InputResult controlRefusal(const WindowModel& model, ControlId id) {
    if (!model.showing(id)) return refused("hidden");
    if (!model[id].enabled) return refused("disabled");
    return {};
}

// What the level check showed in silver lasts until the next press or click.
void dropSilver(WindowModel& model) {
    for (Segment& segment : model.segments) segment.silver = false;
}

InputResult entryRefusal(const WindowModel& model, ControlId id, int index) {
    if (InputResult why = controlRefusal(model, id); !why.taken()) return why;
    if (index < 0 || index >= static_cast<int>(model[id].items.size()))
        return refused("no such entry");
    return {};
}

} // namespace

void Form1::runMenuCommand(MenuId id) {
    if (const Handler click = kMenuClicks[static_cast<int>(id)].click) (this->*click)();
}

InputResult Form1::pressSegment(int index, int button) {
    dropSilver(model);
    if (index < 0 || index >= kSegmentCount) return refused("no such segment");
    if (!model.segments[index].shown) return refused("hidden");
    Label1_MouseDown(index, button);
    return {};
}

InputResult Form1::clickSquare(int index) {
    dropSilver(model);
    if (index < 0 || index >= kSquareCount) return refused("no such square");
    cell_Click(index);
    return {};
}

InputResult Form1::clickControl(ControlId id) {
    dropSilver(model);
    if (InputResult why = controlRefusal(model, id); !why.taken()) return why;
    // Labels, pictures and boxes have no click of their own.
    if (const Handler click = kControlClicks[static_cast<int>(id)].click) (this->*click)();
    return {};
}

InputResult Form1::clickMenu(MenuId id) {
    dropSilver(model);
    for (std::optional<MenuId> at = id; at; at = model[*at].parent)
        if (!model[*at].enabled) return refused("disabled");
    // Items of the menu that only pops up can't be reached from the menu bar.
    if (!model.menuUsable(id)) return refused("hidden");
    runMenuCommand(id);
    return {};
}

InputResult Form1::chooseComboEntry(int index) {
    dropSilver(model);
    if (InputResult why = entryRefusal(model, ControlId::Combo1, index); !why.taken()) return why;
    Control& combo = model[ControlId::Combo1];
    combo.selected = index;
    combo.caption = combo.items[index];
    Combo1_Click();
    return {};
}

InputResult Form1::chooseFile(int index) {
    dropSilver(model);
    if (InputResult why = entryRefusal(model, ControlId::File1, index); !why.taken()) return why;
    model[ControlId::File1].selected = index;
    File1_Click();
    return {};
}

InputResult Form1::selectListEntry(int index) {
    dropSilver(model);
    if (InputResult why = entryRefusal(model, ControlId::List1, index); !why.taken()) return why;
    model[ControlId::List1].selected = index;
    return {};
}

InputResult Form1::setText(ControlId id, const std::string& text) {
    if (model[id].kind != ControlKind::TextBox) return refused("not a text box");
    if (InputResult why = controlRefusal(model, id); !why.taken()) return why;
    model[id].caption = text;
    return {};
}

InputResult Form1::pressAt(double x, double y, int button) {
    dropSilver(model);
    const std::optional<HitTarget> hit = hitTest(model, x, y);
    if (!hit) return refused("nothing there");
    switch (hit->kind) {
    case HitTarget::Kind::Segment:
        Label1_MouseDown(hit->index, button);
        break;
    case HitTarget::Kind::Square:
        if (button == 1) cell_Click(hit->index);
        break;
    case HitTarget::Kind::Control:
        // Only the left button clicks a control, and a disabled one takes no click.
        if (button != 1) break;
        if (!model[hit->control].enabled) return refused("disabled");
        if (model[hit->control].kind == ControlKind::Button) return clickControl(hit->control);
        break;
    }
    return {};
}

} // namespace quirn
