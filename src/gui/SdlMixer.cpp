#include "gui/SdlMixer.h"

#include <QLibrary>

namespace quirn::qt {
namespace {

// ALSA reports each failed device on the terminal; the player hears the failure anyway.
void silentAlsaError(const char*, int, const char*, int, const char*, ...) {}
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);

template <typename Function>
bool find(QLibrary& library, Function& function, const char* name, std::string& missing) {
    function = reinterpret_cast<Function>(library.resolve(name));
    if (!function && missing.empty()) missing = name;
    return function != nullptr;
}

} // namespace

bool SdlMixer::load(std::string& error) {
    // The libraries stay loaded for the program's life: SDL keeps threads of its own.
    QLibrary mixer(QStringLiteral("SDL2_mixer-2.0"), 0);
    QLibrary sdl(QStringLiteral("SDL2-2.0"), 0);
    if (!mixer.load() || !sdl.load()) {
        error = (mixer.isLoaded() ? sdl : mixer).errorString().toStdString();
        return false;
    }
    QLibrary alsa(QStringLiteral("asound"), 2);
    if (auto setHandler =
            reinterpret_cast<int (*)(AlsaErrorHandler)>(alsa.resolve("snd_lib_error_set_handler")))
        setHandler(&silentAlsaError);

    std::string missing;
    find(sdl, initSubSystem, "SDL_InitSubSystem", missing);
    find(sdl, quitSubSystem, "SDL_QuitSubSystem", missing);
    find(sdl, setHint, "SDL_SetHint", missing);
    find(sdl, getError, "SDL_GetError", missing);
    find(sdl, fromMemory, "SDL_RWFromConstMem", missing);
    find(mixer, openAudio, "Mix_OpenAudioDevice", missing);
    find(mixer, closeAudio, "Mix_CloseAudio", missing);
    find(mixer, allocateChannels, "Mix_AllocateChannels", missing);
    find(mixer, loadWav, "Mix_LoadWAV_RW", missing);
    find(mixer, freeChunk, "Mix_FreeChunk", missing);
    find(mixer, playChannel, "Mix_PlayChannelTimed", missing);
    find(mixer, oldestChannel, "Mix_GroupOldest", missing);
    find(mixer, haltChannel, "Mix_HaltChannel", missing);
    if (!missing.empty()) error = "no " + missing + " in SDL_mixer";
    return missing.empty();
}

} // namespace quirn::qt
