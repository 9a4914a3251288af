// quirn-assets SOURCE_ROOT: re-makes the game's pictures and sounds inside the source
// tree. Every input is fixed, so a second run writes the same files.
#include "Icon.h"
#include "Raster.h"
#include "Sounds.h"
#include "StartScreenPicture.h"
#include "WavFile.h"

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using namespace quirn::assets;

namespace {

// Twice the 7 x 12 board: JPEG decodes to exactly its size at half scale.
constexpr int kBackdropWidth = 1684;
constexpr int kBackdropHeight = 1192;
constexpr int kBackdropQuality = 85;
constexpr int kBoardWidth = 842;
constexpr int kBoardHeight = 596;

bool report(const fs::path& file, bool ok) {
    if (ok) {
        std::printf("wrote %s (%ju bytes)\n", file.string().c_str(),
                    static_cast<std::uintmax_t>(fs::file_size(file)));
    } else {
        std::fprintf(stderr, "quirn-assets: could not write %s\n", file.string().c_str());
    }
    return ok;
}

bool writeBytes(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quirn-assets SOURCE_ROOT\n");
        return 2;
    }
    const fs::path root = argv[1];
    if (!fs::exists(root / "data") || !fs::exists(root / "src")) {
        std::fprintf(stderr, "quirn-assets: %s is not the game's source tree\n", argv[1]);
        return 2;
    }
    QGuiApplication app(argc, argv);

    const fs::path setup = root / "data" / "setup";
    const fs::path art = root / "src" / "gui" / "art";
    bool ok = true;

    const std::pair<Backdrop, const char*> themes[] = {{Backdrop::RedGlow, "red.jpg"},
                                                       {Backdrop::CoolBlue, "blue.jpg"},
                                                       {Backdrop::Wash, "wash.jpg"},
                                                       {Backdrop::Parchment, "Mono.jpg"}};
    for (const auto& [backdrop, name] : themes) {
        const QImage image = renderBackdrop(backdrop, kBackdropWidth, kBackdropHeight);
        ok &= report(setup / name, saveImage(image, setup / name, kBackdropQuality));
    }
    ok &= report(
        art / "board.png",
        saveImage(renderBackdrop(Backdrop::Neutral, kBoardWidth, kBoardHeight), art / "board.png"));
    ok &= report(art / "start.png", saveImage(renderStartScreen(), art / "start.png"));
    ok &= report(art / "icon.png", saveImage(renderIcon(48), art / "icon.png"));
    const fs::path bigIcon = root / "packaging" / "quirn-puzzle-256.png";
    ok &= report(bigIcon, saveImage(renderIcon(256), bigIcon));

    for (const NamedSound& s : allSounds())
        ok &= report(setup / s.fileName, writeBytes(setup / s.fileName, encodeWav(s.sound)));
    return ok ? 0 : 1;
}
