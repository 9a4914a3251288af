// Small hand-made levels and a ready Form1 on a temporary program folder.
#pragma once

#include "core/app/Form1.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

#include <memory>
#include <string>

namespace quirn::test {

// The loop around squares 0 and 1 on the quick board.
inline const std::string kTwoSquareSolution = "12,13,14,17,21,23,";
inline const std::string kTwoSquareClues = ",0-3,1-3,2-1,5-1,6-1,";
inline std::string twoSquareLevel(const std::string& message = "Well done!") {
    return kTwoSquareSolution + "\r\n" + kTwoSquareClues + "\r\n\r\n" + message + "\r\n";
}

inline std::string config(const std::string& size, const std::string& sound = "True") {
    return size + "\r\nred.jpg\r\n65535\r\n192\r\n16777215\r\n" + sound + "\r\n";
}

struct Game {
    TempFolder folder;
    FakePlatform platform;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(ProgramFolder(folder.path()), platform);

    void start() { form->Form_Load(); }
    Form1& operator*() { return *form; }
    Form1* operator->() { return form.get(); }
};

} // namespace quirn::test
