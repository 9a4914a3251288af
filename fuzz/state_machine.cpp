// The game driven through the window's own inputs on a program folder the input lays
// out, hostile files included (links out of the folder, FIFOs, devices, loops), with
// the player's own folder or without. After every call: the counters within their
// ranges, every selection within its list, nothing changed outside the game's folders,
// no temporary file left behind.
#include "FuzzFolder.h"
#include "FuzzInput.h"
#include "FuzzPlatform.h"
#include "core/app/Form1.h"
#include "core/levels/LevelFile.h"

#include <fstream>
#include <sys/stat.h>

using namespace quirn;
using namespace quirn::fuzz;
namespace fs = std::filesystem;

namespace {

constexpr int kMostCalls = 300;
const std::string kLevel = "12,13,14,17,21,23,\r\n,0-3,1-3,2-1,5-1,6-1,\r\n\r\nWell done!\r\n";

const auto writeFile = FuzzFolder::write;

void link(const fs::path& target, const fs::path& at) {
    fs::create_directories(at.parent_path());
    std::error_code ec;
    fs::create_symlink(target, at, ec);
}

// One file of the folder: absent, sound, anything, or hostile.
void layFile(FuzzInput& in, const fs::path& file, const std::string& sound,
             const fs::path& outside) {
    switch (in.below(8)) {
    case 0:
        break;
    case 1:
        writeFile(file, sound);
        break;
    case 2:
        writeFile(file, in.text());
        break;
    case 3:
        link(outside / "secret.txt", file);
        break;
    case 4:
        link(outside / "dir" / file.filename(), file);
        break;
    case 5:
        fs::create_directories(file.parent_path());
        ::mkfifo(file.c_str(), 0644);
        break;
    case 6:
        link("/dev/zero", file);
        break;
    default:
        link(file.filename(), file);
        break; // a loop
    }
}

void layOut(FuzzInput& in, const fs::path& game, const fs::path& outside) {
    static const char* const kClasses[] = {"quick", "normal", "hard", "advanced", "Quick"};
    const std::string sizeClass = kClasses[in.below(5)];
    layFile(in, game / "quirn.cfg",
            sizeClass + "\r\nred.jpg\r\n65535\r\n192\r\n16777215\r\nTrue\r\n", outside);
    for (const char* folder : {"quick", "normal"}) {
        const fs::path classFolder = game / "puzzles" / folder;
        fs::create_directories(classFolder);
        layFile(in, classFolder / "level.dat", " 1 \r\n", outside);
        layFile(in, classFolder / "skipped.dat", "Game: 2\r\n", outside);
        for (const char* n : {"1", "2", "3", "101"})
            layFile(in, classFolder / (std::string("game") + n + ".puz"), kLevel, outside);
    }
    if (in.below(2)) link(outside, game / "puzzles/hard");
    if (in.below(2)) link(outside / "dir", game / "puzzles/advanced");
}

// Names, kinds and bytes of everything below a folder, links not followed.
std::string snapshot(const fs::path& folder) {
    std::string all;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        all += it->path().string() + "|" +
               std::to_string(static_cast<int>(it->symlink_status().type()));
        if (it->is_regular_file() && !it->is_symlink()) {
            std::ifstream in(it->path(), std::ios::binary);
            all += std::string(std::istreambuf_iterator<char>(in), {});
        }
        all += "\n";
    }
    return all;
}

bool holdsTemporaryFile(const fs::path& folder) {
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().find(".tmp") != std::string::npos) return true;
    return false;
}

void checkSelection(const Control& control) {
    FUZZ_CHECK(control.selected >= -1 && control.selected < static_cast<int>(control.items.size()));
}

void act(Form1& form, FuzzInput& in) {
    switch (in.below(10)) {
    case 0:
        form.pressSegment(in.byte() - 10, in.below(2) ? 1 : 2);
        break;
    case 1: { // a segment of the loop, so that levels get won
        const std::vector<std::string> items = splitSegmentItems(form.solutionText());
        if (items.empty()) break;
        if (const auto index = segmentIndexOf(items[in.byte() % items.size()]))
            form.pressSegment(*index, 1);
        break;
    }
    case 2:
        form.clickSquare(in.byte() % 90);
        break;
    case 3:
        form.clickControl(static_cast<ControlId>(in.below(kControlCount)));
        break;
    case 4:
        form.clickMenu(static_cast<MenuId>(in.below(kMenuCount)));
        break;
    case 5:
        form.chooseComboEntry(in.below(6) - 1);
        break;
    case 6:
        form.chooseFile(in.below(8) - 1);
        break;
    case 7:
        form.selectListEntry(in.below(8) - 1);
        break;
    case 8:
        form.setText(in.below(2) ? ControlId::Text3 : ControlId::Text5, in.text());
        break;
    default:
        form.pressAt(in.byte() * 50.0, in.byte() * 40.0, in.below(2) ? 1 : 2);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    const fs::path game = folder.path() / "game";
    const fs::path player = folder.path() / "player";
    const fs::path outside = folder.path() / "outside";
    for (const fs::path& p : {game, player, outside}) fs::remove_all(p);
    writeFile(outside / "secret.txt", "secret");
    fs::create_directories(outside / "dir");
    fs::create_directories(game);

    FuzzInput in(data, size);
    const bool withPlayerFolder = in.below(2);
    layOut(in, game, outside);
    const std::string outsideBefore = snapshot(outside);

    FuzzPlatform platform(in);
    Form1 form(withPlayerFolder ? ProgramFolder(game, player) : ProgramFolder(game), platform);
    form.Form_Load();
    for (int calls = 0; calls < kMostCalls && !in.empty(); ++calls) {
        act(form, in);
        const GameState& s = form.state;
        FUZZ_CHECK(s.moveCount >= 0 && s.moveCount <= 32767);
        FUZZ_CHECK(s.hintFactor >= 1 && s.hintFactor <= 32767);
        FUZZ_CHECK(s.gameNumber <= 1000);
        FUZZ_CHECK(s.selectedCell >= 0 && s.selectedCell < kSquareCount);
        for (ControlId id : {ControlId::List1, ControlId::File1, ControlId::Combo1})
            checkSelection(form.model[id]);
        FUZZ_CHECK(snapshot(outside) == outsideBefore);
        for (const auto& entry : fs::directory_iterator(folder.path()))
            FUZZ_CHECK(entry.path() == game || entry.path() == player || entry.path() == outside);
        FUZZ_CHECK(!holdsTemporaryFile(game) && !holdsTemporaryFile(player));
    }
    return 0;
}
