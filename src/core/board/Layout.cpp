#include "core/app/Form1.h"
#include "core/board/Lattice.h"
#include "core/text/LetterCase.h"

#include <algorithm>
#include <cctype>

namespace quirn {
namespace {

struct ClassLayout {
    double imageWidth, windowWidth, windowHeight;
    double nextLeft, nextTop;   // Command2
    double clearLeft, clearTop; // Command3
    double numberTop;           // Text3
    double saveTop;             // Command1 and Label5
};

// Window size and button row per size class.
ClassLayout layoutOf(SizeClass size) {
    switch (size) {
    case SizeClass::Quick:
        return {5850, 5850, 7440, 3480, 5810, 3480, 5810, 5810, 5810};
    case SizeClass::Normal:
        return {6810, 6810, 8430, 4440, 6770, 4440, 6770, 6770, 6770};
    case SizeClass::Hard:
        return {7725, 7725, 9165, 5420, 7700, 5420, 7730, 7730, 7700};
    case SizeClass::Advanced:
        return {12630, 12585, 9165, 10200, 7730, 10200, 7730, 7730, 7730};
    }
    return {};
}

} // namespace

void Form1::subsize() {
    for (Segment& segment : model.segments) segment.shown = false;
    if (const std::optional<SizeClass> size = sizeClassFromKeyword(state.sizeClass)) {
        for (int segment : blockSegments(*size)) model.segments[segment].shown = true;
        const ClassLayout l = layoutOf(*size);
        model[ControlId::Image1].width = l.imageWidth;
        model.width = l.windowWidth;
        model.height = l.windowHeight;
        model[ControlId::Command2].left = l.nextLeft;
        model[ControlId::Command2].top = l.nextTop;
        model[ControlId::Command3].left = l.clearLeft;
        model[ControlId::Command3].top = l.clearTop;
        model[ControlId::Text3].top = l.numberTop;
        model[ControlId::Command1].top = l.saveTop;
        model[ControlId::Label5].top = l.saveTop;
    }
    model.caption = "Quirn Puzzle:  " + upperCase(state.sizeClass) + " Game.";
    const double w = model.width;
    const double h = model.height;
    placeStartScreen(h - 7000);
    model[ControlId::Picture3].top = h - 7000;
    model[ControlId::Picture3].left = w / 2 - 1925;
    model[ControlId::Text6].width = w;
    model[ControlId::Command5].left = w - 1000;
    model[ControlId::Command5].top = h - 1400;
    model[ControlId::Label5].top = model[ControlId::Command2].top;
    model[ControlId::Command1].top = model[ControlId::Command2].top;
}

} // namespace quirn
