#include "gui/SoundPlayer.h"

#include "gui/SdlMixer.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sys/stat.h>

namespace quirn::qt {
namespace {

// No sound of the game comes near this; anything larger is not one.
constexpr std::size_t kSoundFileLimit = 16 << 20;

// What identifies a file's content on disk without reading it.
struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    bool operator==(const Stamp& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

bool stampOf(const std::filesystem::path& file, Stamp& stamp) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    stamp = {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    return true;
}

std::string readBytes(const std::filesystem::path& file, std::size_t size) {
    std::string bytes(size, '\0');
    std::ifstream in(file, std::ios::binary);
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The decoded sounds, owned by the player's thread.
class Bank {
  public:
    explicit Bank(const SdlMixer& mixer) : mixer_(mixer) {}
    ~Bank() {
        for (auto& [file, sound] : sounds_)
            if (sound.chunk) mixer_.freeChunk(sound.chunk);
    }
    Bank(const Bank&) = delete;
    Bank& operator=(const Bank&) = delete;

    void play(const std::filesystem::path& file) {
        Mix_Chunk* chunk = decoded(file);
        if (!chunk) return;
        if (mixer_.playChannel(-1, chunk, 0, -1) >= 0) return;
        // Every channel busy: the oldest sound gives way.
        const int oldest = mixer_.oldestChannel(-1);
        if (oldest < 0) return;
        mixer_.haltChannel(oldest);
        mixer_.playChannel(oldest, chunk, 0, -1);
    }

  private:
    struct Sound {
        Stamp stamp;
        Mix_Chunk* chunk = nullptr;
    };

    Mix_Chunk* decoded(const std::filesystem::path& file) {
        Stamp stamp;
        if (!stampOf(file, stamp) || stamp.size > static_cast<off_t>(kSoundFileLimit))
            return nullptr;
        Sound& sound = sounds_[file];
        // Read once per change of the file; one that does not decode stays silent.
        if (sound.stamp == stamp) return sound.chunk;
        if (sound.chunk) mixer_.freeChunk(sound.chunk);
        const std::string bytes = readBytes(file, static_cast<std::size_t>(stamp.size));
        SDL_RWops* source = mixer_.fromMemory(bytes.data(), static_cast<int>(bytes.size()));
        sound = {stamp, source ? mixer_.loadWav(source, 1) : nullptr};
        return sound.chunk;
    }

    const SdlMixer& mixer_;
    std::map<std::filesystem::path, Sound> sounds_;
};

bool openDevice(const SdlMixer& mixer, std::string& error) {
    // The game ends on SIGTERM and SIGINT as any program does, not through SDL's events.
    mixer.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    mixer.setHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quirn Puzzle");
    mixer.setHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sound effects");
    mixer.setHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
    if (mixer.initSubSystem(SDL_INIT_AUDIO) != 0) {
        error = mixer.getError();
        return false;
    }
    // 512 frames: about 12 ms of buffer between a press and its sound.
    if (mixer.openAudio(44100, AUDIO_S16SYS, 2, 512, nullptr, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) !=
        0) {
        error = mixer.getError();
        mixer.quitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    mixer.allocateChannels(16);
    return true;
}

} // namespace

SoundPlayer::~SoundPlayer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void SoundPlayer::start() {
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
}

void SoundPlayer::play(const std::filesystem::path& file) {
    {
        const std::lock_guard lock(mutex_);
        if (failed_) return;
        queue_.push_back(file);
    }
    wake_.notify_one();
}

void SoundPlayer::run() {
    SdlMixer mixer;
    std::string error;
    if (!mixer.load(error) || !openDevice(mixer, error)) {
        std::fprintf(stderr, "quirn: playing without sound (%s)\n", error.c_str());
        const std::lock_guard lock(mutex_);
        failed_ = true;
        queue_.clear();
        return;
    }
    {
        Bank bank(mixer);
        std::unique_lock lock(mutex_);
        while (true) {
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) break;
            const std::filesystem::path file = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            bank.play(file);
            lock.lock();
        }
    }
    mixer.closeAudio();
    mixer.quitSubSystem(SDL_INIT_AUDIO);
}

} // namespace quirn::qt
