// The editor's number tests: "Save As #:" judging the typed number against 999 by its
// exact value, and "Edit this level" reading the number in the status line.
#include "FuzzInput.h"
#include "FuzzPlatform.h"
#include "core/app/Form1.h"
#include "core/text/Numbers.h"

using namespace quirn;
using namespace quirn::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::strong_ordering> order = compareDecimal(text, 999);
    const std::optional<double> value = parseDecimalWithBlanks(text);
    // What the number reader takes, the exact test takes, and they agree away from 999.
    if (value) {
        FUZZ_CHECK(order.has_value());
        if (*value > 999.5) FUZZ_CHECK(*order > 0);
        if (*value < 998.5) FUZZ_CHECK(*order < 0);
        const std::optional<std::strong_ordering> sign = compareDecimal(text, 0);
        if (*value > 0) FUZZ_CHECK(*sign > 0);
        if (*value < 0) FUZZ_CHECK(*sign < 0);
    }

    FuzzInput none(data, 0);
    FuzzPlatform platform(none);
    Form1 form(ProgramFolder("/nonexistent/quirn-fuzz"), platform);
    form.model[ControlId::Label5].caption = text;
    form.mnedit_Click();
    // Only a level from a file can be edited.
    if (form.state.playMode == 1) FUZZ_CHECK(text.ends_with(".puz"));
    return 0;
}
