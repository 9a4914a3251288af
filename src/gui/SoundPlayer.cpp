#include "gui/SoundPlayer.h"

#include "gui/Canberra.h"

#include <QLibrary>
#include <cstdio>
#include <map>
#include <optional>
#include <sys/stat.h>

namespace quirn::qt {
namespace {

// A game's sounds, with their own volume on the desktop: not the desktop's event sounds,
// which each upload and play would otherwise be taken for.
constexpr const char* kRole = "game";

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

// The sound system's connection, owned by the player's thread.
class Connection {
  public:
    explicit Connection(const Canberra& canberra) : canberra_(canberra) {}
    ~Connection() { close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The desktop's sound server first; plain ALSA where there is none.
    bool open(std::string& error) {
        const int code = openWith("pulse");
        if (code == CA_SUCCESS) return true;
        error = canberra_.describe(code);
        silenceAlsa();
        return openWith("alsa") == CA_SUCCESS;
    }

    // Each file goes once per change into the server's sample cache, from where a press
    // plays it at once; where there is no cache the file is streamed.
    int play(const std::filesystem::path& file) {
        Stamp stamp;
        if (!context_ || !stampOf(file, stamp) || stamp.size > static_cast<off_t>(kSoundFileLimit))
            return CA_SUCCESS;
        Sound& sound = sounds_[file];
        if (sound.id.empty()) sound.id = sampleName(file);
        if (!(sound.stamp == stamp)) {
            canberra_.cache(context_, CA_PROP_EVENT_ID, sound.id.c_str(), CA_PROP_MEDIA_FILENAME,
                            file.c_str(), CA_PROP_MEDIA_ROLE, kRole, nullptr);
            sound.stamp = stamp;
        }
        return canberra_.play(context_, 0, CA_PROP_EVENT_ID, sound.id.c_str(),
                              CA_PROP_MEDIA_FILENAME, file.c_str(), CA_PROP_MEDIA_ROLE, kRole,
                              CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
    }

    void close() {
        if (context_) canberra_.destroy(context_);
        context_ = nullptr;
        sounds_.clear();
    }

  private:
    struct Sound {
        std::string id;
        Stamp stamp;
    };

    int openWith(const char* driver) {
        close();
        int code = canberra_.create(&context_);
        if (code != CA_SUCCESS) return code;
        canberra_.changeProps(context_, CA_PROP_APPLICATION_NAME, "Quirn Puzzle",
                              CA_PROP_APPLICATION_ID, "example.quirnpuzzle.QuirnPuzzle", nullptr);
        code = canberra_.setDriver(context_, driver);
        if (code == CA_SUCCESS) code = canberra_.open(context_);
        if (code != CA_SUCCESS) close();
        return code;
    }

    // Sample names are shared by every program on the sound server: one per file, the
    // same in every run, so a sound changed on disk replaces its old copy.
    static std::string sampleName(const std::filesystem::path& file) {
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016zx", std::hash<std::string>{}(file.string()));
        return std::string("quirn-puzzle.") + hash;
    }

    // ALSA reports each failed device on the terminal; the player hears the failure anyway.
    static void silentAlsaError(const char*, int, const char*, int, const char*, ...) {}
    static void silenceAlsa() {
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        QLibrary alsa(QStringLiteral("asound"), 2);
        if (auto setHandler =
                reinterpret_cast<int (*)(Handler)>(alsa.resolve("snd_lib_error_set_handler")))
            setHandler(&silentAlsaError);
    }

    const Canberra& canberra_;
    ca_context* context_ = nullptr;
    std::map<std::filesystem::path, Sound> sounds_;
};

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
    Canberra canberra;
    std::string error;
    std::optional<Connection> connection;
    if (canberra.load(error)) {
        connection.emplace(canberra);
        if (!connection->open(error)) connection.reset();
    }
    if (!connection) {
        std::fprintf(stderr, "quirn: playing without sound (%s)\n", error.c_str());
        const std::lock_guard lock(mutex_);
        failed_ = true;
        queue_.clear();
        return;
    }
    std::unique_lock lock(mutex_);
    // Presses made while the sound system was being reached are not played all at once
    // and late.
    queue_.clear();
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) break;
        const std::filesystem::path file = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        // A sound server that restarts is found again by libcanberra itself.
        connection->play(file);
        lock.lock();
    }
}

} // namespace quirn::qt
