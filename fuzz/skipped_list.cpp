// skipped.dat as "Show skipped games" reads it, and the list written back by "Okay":
// never longer than the limit, and read back as the entries it kept.
#include "FuzzInput.h"
#include "core/text/CommaFields.h"
#include "core/text/TextLines.h"

using namespace quirn;

namespace {

// An entry that the file can hold as it is: no field or line break in it, no leading
// blank, no quote.
bool plain(const std::string& entry) {
    return entry.find_first_of(",\"\r\n") == std::string::npos &&
           (entry.empty() || entry[0] != ' ');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> entries =
        readCommaFields(std::string_view(reinterpret_cast<const char*>(data), size), false);
    // A small limit, so that inputs reach it.
    constexpr std::size_t kLimit = 512;
    const std::string written = joinLinesCrlf(entries, kLimit);
    FUZZ_CHECK(written.size() <= kLimit);
    bool allPlain = true;
    for (const std::string& entry : entries) allPlain = allPlain && plain(entry);
    if (!allPlain) return 0;
    const std::vector<std::string> kept = readCommaFields(written, false);
    FUZZ_CHECK(kept.size() <= entries.size());
    FUZZ_CHECK(std::equal(kept.begin(), kept.end(), entries.begin()));
    return 0;
}
