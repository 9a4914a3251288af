// "Restart series from level..." with any answer: the number written to level.dat reads
// back as the one the answer names, and the series stays within its levels.
#include "FuzzFolder.h"
#include "FuzzInput.h"
#include "FuzzPlatform.h"
#include "core/app/Form1.h"
#include "core/levels/ProgressFile.h"
#include "core/text/Numbers.h"

#include <fstream>

using namespace quirn;
using namespace quirn::fuzz;
namespace fs = std::filesystem;

namespace {

class AnswerPlatform : public FuzzPlatform {
  public:
    AnswerPlatform(FuzzInput& none, std::string answer)
        : FuzzPlatform(none), answer_(std::move(answer)) {}
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return answer_;
    }

  private:
    std::string answer_;
};

std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    const fs::path& root = folder.path();
    const auto write = FuzzFolder::write;
    write(root / "quirn.cfg", "quick\r\nred.jpg\r\n65535\r\n192\r\n16777215\r\nTrue\r\n");
    write(root / "puzzles/quick/level.dat", " 3 \r\n");
    for (const char* n : {"1", "3", "7"})
        write(root / (std::string("puzzles/quick/game") + n + ".puz"), "12,\r\n,\r\n\r\nx\r\n");

    const std::string answer(reinterpret_cast<const char*>(data), size);
    FuzzInput none(data, 0);
    AnswerPlatform platform(none, answer);
    Form1 form(ProgramFolder(root), platform);
    form.Form_Load();
    form.mrest_Click();

    const std::optional<std::int16_t> written =
        parseProgress(read(root / "puzzles/quick/level.dat"));
    const std::optional<double> value = answer.empty() ? std::nullopt : readNumber(answer);
    const std::optional<std::int64_t> named =
        value ? roundedWithin(*value, -32768, 32767) : std::nullopt;
    // Past the last level (7) the series ends and starts again at 4.
    FUZZ_CHECK(written == (!named ? 3 : *named > 7 ? 4 : *named));
    FUZZ_CHECK(form.state.gameNumber >= 1 && form.state.gameNumber <= 1000);
    return 0;
}
