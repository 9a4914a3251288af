// quirn.cfg as start-up reads it; what saver writes from the result reads back the same.
#include "FuzzInput.h"
#include "core/app/ConfigFile.h"

using namespace quirn;

namespace {

bool sameSettings(const GameState& a, const GameState& b) {
    return a.sizeClass == b.sizeClass && a.themePicture == b.themePicture &&
           a.lineColour == b.lineColour && a.buttonColour == b.buttonColour &&
           a.textColour == b.textColour && a.soundOn == b.soundOn;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GameState read;
    readConfig(std::string_view(reinterpret_cast<const char*>(data), size), read);
    const std::string written = formatConfig(read);
    GameState again;
    readConfig(written, again);
    FUZZ_CHECK(sameSettings(read, again));
    FUZZ_CHECK(formatConfig(again) == written);
    return 0;
}
