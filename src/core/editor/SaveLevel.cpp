#include "core/app/Form1.h"
#include "core/levels/LevelFile.h"
#include "core/text/Numbers.h"
#include "core/text/TextCodec.h"

namespace quirn {

void Form1::Command1_Click() {
    const std::string number = model[ControlId::Text3].caption;
    // An optional sign, digits with an optional decimal point and exponent, blanks around,
    // judged by its exact value whatever its length.
    const std::optional<std::strong_ordering> order = compareDecimal(number, 999);
    if (!order) {
        message("Filename must be a number");
        return;
    }
    if (*order > 0) {
        message("Filename too high - must be below 1000");
        return;
    }
    const std::string successText = platform_.inputBox(
        "Please enter a success message for the player to get when they complete the level",
        "Quirn", "Success!");
    if (successText.empty()) return;
    const std::string file = levelFolder() + "game" + number + ".puz";
    if (folder_.fileExists(file) &&
        platform_.messageBox("File Exsists - Overwrite?", "Quirn", MessageButtons::YesNo) !=
            MessageAnswer::Yes)
        return;
    const std::string bytes = formatLevelFile(markedText(), model[ControlId::Text2].caption,
                                              model[ControlId::Text5].caption, successText);
    if (const WriteResult result = folder_.writeFile(file, bytes); !result.written())
        message("The level could not be saved as game" + number +
                ".puz: " + utf8ToCp1252(result.error));
}

} // namespace quirn
