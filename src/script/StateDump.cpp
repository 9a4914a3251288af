#include "script/StateDump.h"

#include "core/text/TextCodec.h"
#include "script/Json.h"

namespace quirn::script {
namespace {

void addGameState(JsonObject& out, const GameState& s) {
    out.number("selectedCell", s.selectedCell)
        .number("gameNumber", s.gameNumber)
        .number("playMode", s.playMode)
        .text("successMessage", cp1252ToUtf8(s.successMessage))
        .text("sizeClass", cp1252ToUtf8(s.sizeClass))
        .text("themePicture", cp1252ToUtf8(s.themePicture))
        .text("lineColour", cp1252ToUtf8(s.lineColour))
        .text("buttonColour", cp1252ToUtf8(s.buttonColour))
        .text("textColour", cp1252ToUtf8(s.textColour))
        .number("hintFactor", s.hintFactor)
        .number("moveCount", s.moveCount)
        .number("bestPossible", s.bestPossible)
        .boolean("gameInProgress", s.gameInProgress)
        .boolean("soundOn", s.soundOn);
}

template <typename Pick> std::string segmentList(const WindowModel& model, Pick pick) {
    JsonArray list;
    for (int i = 0; i < kSegmentCount; ++i)
        if (pick(model.segments[i])) list.number(i);
    return list.str();
}

std::string cluesJson(const WindowModel& model) {
    JsonObject clues;
    for (int i = 0; i < kSquareCount; ++i)
        if (!model.squares[i].clue.empty())
            clues.text(std::to_string(i), cp1252ToUtf8(model.squares[i].clue));
    return clues.str();
}

std::string segmentColoursJson(const WindowModel& model) {
    JsonObject colours;
    for (int i = 0; i < kSegmentCount; ++i)
        if (model.segments[i].marked) colours.number(std::to_string(i), model.segments[i].colour);
    return colours.str();
}

// Entries are the game's texts; a file list's are file names (UTF-8 already).
std::string itemsJson(const std::vector<std::string>& items,
                      std::string (*toUtf8)(std::string_view) = cp1252ToUtf8) {
    JsonArray list;
    for (const std::string& item : items) list.text(toUtf8(item));
    return list.str();
}

std::string controlJson(const Control& c) {
    JsonObject out;
    out.text(c.kind == ControlKind::TextBox ? "text" : "caption", cp1252ToUtf8(c.caption))
        .boolean("visible", c.visible)
        .boolean("enabled", c.enabled)
        .number("left", c.left)
        .number("top", c.top)
        .number("width", c.width)
        .number("height", c.height);
    if (c.backColor) out.number("backColor", *c.backColor);
    if (c.foreColor) out.number("foreColor", *c.foreColor);
    return out.str();
}

std::string controlsJson(const WindowModel& model) {
    JsonObject controls;
    for (int i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        controls.raw(controlName(id), controlJson(model[id]));
    }
    return controls.str();
}

std::string menusJson(const WindowModel& model) {
    JsonObject menus;
    for (int i = 0; i < kMenuCount; ++i) {
        const auto id = static_cast<MenuId>(i);
        const MenuItem& item = model[id];
        menus.raw(menuName(id), JsonObject()
                                    .text("caption", cp1252ToUtf8(item.caption))
                                    .boolean("checked", item.checked)
                                    .boolean("enabled", item.enabled)
                                    .str());
    }
    return menus.str();
}

std::string listJson(const Control& c) {
    return JsonObject().raw("items", itemsJson(c.items)).number("selected", c.selected).str();
}

} // namespace

std::string stateJson(const Form1& form) {
    const WindowModel& model = form.model;
    const std::string& picture = model[ControlId::Image1].picture;
    const Control& files = model[ControlId::File1];

    JsonObject state;
    addGameState(state, form.state);
    state.text("solutionText", cp1252ToUtf8(form.solutionText()))
        .text("clueText", cp1252ToUtf8(form.clueText()))
        .text("extraText", cp1252ToUtf8(form.extraText()))
        .text("markedText", cp1252ToUtf8(form.markedText()))
        .text("editorClueText", cp1252ToUtf8(model[ControlId::Text2].caption))
        .text("editorExtraText", cp1252ToUtf8(model[ControlId::Text5].caption))
        .raw("clues", cluesJson(model))
        .raw("shown", segmentList(model, [](const Segment& s) { return s.shown; }))
        .raw("marked", segmentList(model, [](const Segment& s) { return s.marked; }))
        .raw("outlined", segmentList(model, [](const Segment& s) { return s.outlined; }))
        .raw("segmentColours", segmentColoursJson(model))
        .raw("silver", segmentList(model, [](const Segment& s) { return s.silver; }))
        .raw("window", JsonObject()
                           .text("caption", cp1252ToUtf8(model.caption))
                           .number("width", model.width)
                           .number("height", model.height)
                           .str())
        .raw("controls", controlsJson(model))
        .raw("menus", menusJson(model))
        .raw("List1", listJson(model[ControlId::List1]))
        .raw("Combo1", listJson(model[ControlId::Combo1]))
        .raw("File1", JsonObject()
                          .text("folder", cp1252ToUtf8(files.folder))
                          .raw("items", itemsJson(files.items, fileNameToUtf8))
                          .str());
    if (picture.empty())
        state.null("picture");
    else
        state.text("picture", picture);
    return JsonObject().raw("state", state.str()).str();
}

} // namespace quirn::script
