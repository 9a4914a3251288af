// The game's five sound effects, each made from fixed seeds.
#pragma once

#include "WavFile.h"

#include <string>
#include <vector>

namespace quirn::assets {

inline constexpr int kSoundRate = 22050;

PcmSound lineMarkedSound();   // 1.wav: a soft pluck
PcmSound lineUnmarkedSound(); // 2.wav: a lower, softer pluck
PcmSound outlineSound();      // 3.wav: a tiny tick
PcmSound hintSound();         // 4.wav: a gentle two-note chime
PcmSound winSound();          // win.wav: a rising arpeggio that rings out

struct NamedSound {
    std::string fileName;
    PcmSound sound;
};
// Every sound with the file name the game plays it from (in setup/).
std::vector<NamedSound> allSounds();

} // namespace quirn::assets
