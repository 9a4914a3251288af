// A platform whose dialogs are answered by the fuzzer's bytes. Nothing is shown,
// played or started.
#pragma once

#include "FuzzInput.h"
#include "core/app/Platform.h"

namespace quirn::fuzz {

class FuzzPlatform : public Platform {
  public:
    explicit FuzzPlatform(FuzzInput& input) : input_(input) {}

    MessageAnswer messageBox(const std::string&, const std::string&,
                             MessageButtons buttons) override {
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        return input_.below(2) ? MessageAnswer::Yes : MessageAnswer::No;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        // Answers that lead somewhere, or anything at all.
        static const char* const kUseful[] = {"", "please", "1", "120", "999", "-3", "1e400"};
        const int pick = input_.below(8);
        return pick < 7 ? kUseful[pick] : input_.text();
    }
    std::optional<MenuId> popupMenu(MenuId) override {
        static const MenuId kItems[] = {MenuId::m0, MenuId::m1, MenuId::m2,
                                        MenuId::m3, MenuId::m4, MenuId::mclear};
        const int pick = input_.below(7);
        if (pick == 6) return std::nullopt;
        return kItems[pick];
    }
    void playSound(const std::filesystem::path&) override {}
    bool startProgram(const std::string&) override { return false; }
    bool openUrl(const std::string&) override { return false; }
    std::optional<double> windowTop() const override { return std::nullopt; }

  private:
    FuzzInput& input_;
};

} // namespace quirn::fuzz
