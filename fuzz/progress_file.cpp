// level.dat as nextgame reads it; every number written reads back as itself.
#include "FuzzInput.h"
#include "core/levels/ProgressFile.h"

using namespace quirn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<std::int16_t> number =
        parseProgress(std::string_view(reinterpret_cast<const char*>(data), size));
    if (number) FUZZ_CHECK(parseProgress(formatProgress(*number)) == number);
    return 0;
}
