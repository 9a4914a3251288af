// Short sounds through libcanberra on a thread of their own: a press only hands the file
// over and never waits. Each file goes into the sound server's sample cache once, and
// again when it changes on disk.
#pragma once

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <thread>

namespace quirn::qt {

class SoundPlayer {
  public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Loads the sound library and connects to the sound system on the player's thread.
    // Sounds asked for before it is connected are not played.
    void start();
    void play(const std::filesystem::path& file);

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::filesystem::path> queue_;
    bool stopping_ = false;
    bool failed_ = false;
    std::thread thread_;
};

} // namespace quirn::qt
