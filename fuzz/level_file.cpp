// The level file as readpuz reads it, with the clue fill of line 2, and the editor's
// writing of it read back.
#include "FuzzInput.h"
#include "core/levels/LevelFile.h"

using namespace quirn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LevelLines level = readLevelLines(bytes);
    const auto clues = parseClues(level.lines[1].value_or(""));
    for (const std::string& clue : clues) FUZZ_CHECK(clue.size() <= 1);
    countSolutionSegments(level.lines[0].value_or(""));
    for (const std::string& item : splitSegmentItems(level.lines[0].value_or("")))
        if (const auto index = segmentIndexOf(item))
            FUZZ_CHECK(*index >= 0 && *index < kSegmentCount);
    solutionLineProblem(level.lines[0].value_or(""));
    clueLineProblem(level.lines[1].value_or(""));

    // Written as the editor writes it, a level reads back line for line.
    const std::string written =
        formatLevelFile(level.lines[0].value_or(""), level.lines[1].value_or(""),
                        level.lines[2].value_or(""), level.lines[3].value_or(""));
    const LevelLines again = readLevelLines(written);
    for (std::size_t i = 0; i < 4; ++i) FUZZ_CHECK(again.lines[i] == level.lines[i].value_or(""));

    // The editor's clue line, made from digits the fuzzer picks, reads back the same.
    std::array<std::string, kSquareCount> editorClues;
    for (std::size_t i = 0; i < kSquareCount && i < size; ++i)
        if (data[i] % 6 < 5) editorClues[i] = std::string(1, static_cast<char>('0' + data[i] % 6));
    FUZZ_CHECK(parseClues(formatClueText(editorClues)) == editorClues);
    return 0;
}
