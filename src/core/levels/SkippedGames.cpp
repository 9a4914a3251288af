#include "core/app/Form1.h"
#include "core/text/CommaFields.h"
#include "core/text/TextLines.h"

namespace quirn {

namespace {
const std::string kSkippedWhat = "Your skipped games";
} // namespace

void Form1::mskip_Click() {
    const std::optional<std::string> list = folder_.readFile(skippedFile(), kListFileLimit);
    // A list that exists but can't be read is left alone rather than replaced by one line.
    if (list || !folder_.fileExists(skippedFile())) {
        std::string text = list.value_or("");
        // A hand-edited list may end without a line end; the new entry gets its own line.
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
        text += model[ControlId::Label5].caption + "\r\n";
        // A full list keeps its entries and takes no more: it must stay readable.
        if (text.size() <= kListFileLimit) save(skippedFile(), text, kSkippedWhat);
    }
    if (state.gameNumber < 32767) ++state.gameNumber;
    writeProgress(state.gameNumber);
    nextgame();
}

void Form1::mshows_Click() {
    // Shown already: the list holds the file's entries, and any removals, already.
    if (model[ControlId::Picture2].visible) return;
    model[ControlId::Picture2].visible = true;
    model[ControlId::Label8].caption = "Skipped " + state.sizeClass + " games..";
    Control& list = model[ControlId::List1];
    const auto bytes = folder_.readFile(skippedFile(), kListFileLimit);
    skippedListUnreadable_ = !bytes && folder_.fileExists(skippedFile());
    if (bytes)
        for (std::string& entry : readCommaFields(*bytes, false))
            list.items.push_back(std::move(entry));
    list.selected = list.items.empty() ? -1 : 0;
}

void Form1::Command6_Click() {
    Control& list = model[ControlId::List1];
    if (list.selected < 0 || list.selected >= static_cast<int>(list.items.size())) return;
    list.items.erase(list.items.begin() + list.selected);
    list.selected = -1;
}

void Form1::Command8_Click() {
    closeskip();
}

void Form1::closeskip() {
    Control& list = model[ControlId::List1];
    // The panel showed none of an unreadable list's entries; writing would lose them all.
    if (!skippedListUnreadable_)
        save(skippedFile(), joinLinesCrlf(list.items, kListFileLimit), kSkippedWhat);
    skippedListUnreadable_ = false;
    list.items.clear();
    list.selected = -1;
    model[ControlId::Picture2].visible = false;
}

void Form1::Command7_Click() {
    const Control& list = model[ControlId::List1];
    std::string name;
    if (list.selected >= 0 && list.selected < static_cast<int>(list.items.size()))
        name = list.items[list.selected];
    for (std::size_t at; (at = name.find(": ")) != std::string::npos;) name.erase(at, 2);
    name += ".puz";
    closeskip();
    emptyBoard(true);
    model[ControlId::Command2].enabled = false;
    model[ControlId::Label5].caption = name;
    // A name that would lead into another folder names no level.
    readpuz(name.find_first_of("/\\") == std::string::npos ? levelFolder() + name : "");
    countsub();
}

} // namespace quirn
