// The help viewer's reading of rules.txt and creating.txt (comma fields, numbers).
#include "FuzzInput.h"
#include "core/help/HelpText.h"

using namespace quirn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        helpViewerText(std::string_view(reinterpret_cast<const char*>(data), size));
    // Every field ends with CR LF.
    FUZZ_CHECK(text.empty() || text.ends_with("\r\n"));
    return 0;
}
