#include "core/app/Form1.h"
#include "core/help/HelpText.h"

namespace quirn {

// A help file beyond this is not one we shipped, and would only stall the viewer.
constexpr std::size_t kHelpFileLimit = 1 << 20;

void Form1::showHelpFile(const std::string& file) {
    model[ControlId::Command2].visible = false;
    model[ControlId::Command5].visible = true;
    model[ControlId::Text6].visible = true;
    model[ControlId::Text6].caption.clear();
    // A missing help file leaves the viewer empty; "Close" restores the window.
    if (const auto bytes = folder_.readFile(file, kHelpFileLimit))
        model[ControlId::Text6].caption = helpViewerText(*bytes);
}

void Form1::mrules_Click() {
    showHelpFile("rules.txt");
}
void Form1::mnread_Click() {
    showHelpFile("creating.txt");
}

void Form1::Command5_Click() {
    model[ControlId::Text6].visible = false;
    model[ControlId::Command5].visible = false;
    model[ControlId::Command2].visible = true;
}

void Form1::mVer_Click() {
    message("Version 0.9d");
}

} // namespace quirn
