#include "core/app/Form1.h"

namespace quirn {

Form1::Form1(ProgramFolder folder, Platform& platform)
    : folder_(std::move(folder)), platform_(platform) {}

void Form1::message(const std::string& text) {
    platform_.messageBox(text, "Quirn", MessageButtons::Ok);
}

} // namespace quirn
