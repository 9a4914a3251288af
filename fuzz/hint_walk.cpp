// The two hints walking a solution line: only segments it names are revealed.
#include "FuzzInput.h"
#include "FuzzPlatform.h"
#include "core/app/Form1.h"
#include "core/levels/LevelFile.h"

#include <set>

using namespace quirn;
using namespace quirn::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first bytes answer the dialogs; the rest is the solution line.
    const std::size_t answerBytes = std::min<std::size_t>(size, 4);
    FuzzInput answers(data, answerBytes);
    FuzzPlatform platform(answers);
    Form1 form(ProgramFolder("/nonexistent/quirn-fuzz"), platform);
    const std::string solution(reinterpret_cast<const char*>(data) + answerBytes,
                               size - answerBytes);
    form.model[ControlId::Label2].caption = solution;
    form.mh1_Click();
    form.mh2_Click();

    std::set<int> named;
    for (const std::string& item : splitSegmentItems(solution))
        if (const auto index = segmentIndexOf(item)) named.insert(*index);
    for (int i = 0; i < kSegmentCount; ++i)
        if (form.model.segments[i].marked) FUZZ_CHECK(named.count(i) == 1);
    FUZZ_CHECK(form.state.hintFactor == 2);
    return 0;
}
