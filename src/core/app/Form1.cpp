#include "core/app/Form1.h"

namespace quirn {

Form1::Form1(ProgramFolder folder, Platform& platform, const LoopSolver* solver)
    : folder_(std::move(folder)), platform_(platform), solver_(solver) {
    model[MenuId::mncheck].enabled = solver_ != nullptr;
    model[MenuId::mnsolve].enabled = false;
}

void Form1::message(const std::string& text) {
    platform_.messageBox(text, "Quirn", MessageButtons::Ok);
}

} // namespace quirn
