// SDL_mixer, loaded at run time: its libraries stay out of the game's start-up, and a
// machine without them plays silently.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <string>

namespace quirn::qt {

struct SdlMixer {
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_GetError) getError = nullptr;
    decltype(&SDL_RWFromConstMem) fromMemory = nullptr;
    decltype(&Mix_OpenAudioDevice) openAudio = nullptr;
    decltype(&Mix_CloseAudio) closeAudio = nullptr;
    decltype(&Mix_AllocateChannels) allocateChannels = nullptr;
    decltype(&Mix_LoadWAV_RW) loadWav = nullptr;
    decltype(&Mix_FreeChunk) freeChunk = nullptr;
    decltype(&Mix_PlayChannelTimed) playChannel = nullptr;
    decltype(&Mix_GroupOldest) oldestChannel = nullptr;
    decltype(&Mix_HaltChannel) haltChannel = nullptr;

    // Loads the libraries and finds every function; false, with the reason in error,
    // when any is missing.
    bool load(std::string& error);
};

} // namespace quirn::qt
