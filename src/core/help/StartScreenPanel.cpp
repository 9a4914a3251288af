#include "core/app/Form1.h"

namespace quirn {

void Form1::mnstart_Click() {
    model[ControlId::Picture1].visible = true;
}

void Form1::Command4_Click() {
    model[ControlId::Picture1].visible = false;
}

} // namespace quirn
