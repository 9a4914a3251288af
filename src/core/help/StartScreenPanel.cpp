#include "core/app/Form1.h"

namespace quirn {

void Form1::placeStartScreen(double top) {
    Control& start = model[ControlId::Picture1];
    start.top = top;
    start.left = model.width / 2 - 1925;
}

// A window the platform can't place stands centred on the screen.
double Form1::windowTop() const {
    return platform_.windowTop().value_or((model.screenHeight - model.height) / 2);
}

// Start-up runs before the window is first shown: the window's Top is where it stands then.
void Form1::showStartScreenAtStartUp() {
    placeStartScreen(windowTop() + 1000);
    model[ControlId::Picture1].visible = true;
}

void Form1::mnstart_Click() {
    model[ControlId::Picture1].visible = true;
}

void Form1::Command4_Click() {
    model[ControlId::Picture1].visible = false;
}

} // namespace quirn
