// Sounds reach a sound server of the test's own (a PulseAudio null sink): each file goes
// into the server's sample cache under the game's name, again when it changes on disk, and
// a file that is no sound (a FIFO) holds nothing up. Skipped where pulseaudio is missing.
#include "gui/SoundPlayer.h"
#include "support/TempFolder.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace quirn::qt::test {
namespace {

namespace fs = std::filesystem;

QString pactl(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    process.waitForFinished(5000);
    return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

// The game's samples on the server, as "Name ... Duration ... media.role ..." blocks.
QStringList gameSamples() {
    QStringList found;
    for (const QString& block : pactl({"list", "samples"}).split(QStringLiteral("Sample #")))
        if (block.contains(QStringLiteral("Name: quirn-puzzle."))) found << block;
    return found;
}

// Plays files until the server holds a game sample of which the test is true: sounds
// asked for before the player reaches the server are not played.
template <typename Test>
bool playUntil(SoundPlayer& player, const std::vector<fs::path>& files, Test test) {
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        for (const fs::path& file : files) player.play(file);
        QThread::msleep(50);
        for (const QString& sample : gameSamples())
            if (test(sample)) return true;
    }
    return false;
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty())
            QSKIP("no pulseaudio here");
        fs::create_directories(runtime_.path() / "run");
        fs::permissions(runtime_.path() / "run", fs::perms::owner_all);
        qputenv("XDG_RUNTIME_DIR", QByteArray((runtime_.path() / "run").c_str()));
        qunsetenv("PULSE_SERVER");
        server_.start(QStringLiteral("pulseaudio"), {"-n", "--daemonize=no", "--exit-idle-time=-1",
                                                     "--load=module-native-protocol-unix",
                                                     "--load=module-null-sink sink_name=quirn_test",
                                                     "--load=module-always-sink"});
        QDeadlineTimer deadline(10000);
        while (pactl({"info"}).isEmpty() && !deadline.hasExpired()) QThread::msleep(50);
        QVERIFY2(!pactl({"info"}).isEmpty(), "the test's pulseaudio did not start");
    }

    void cleanupTestCase() {
        server_.terminate();
        server_.waitForFinished(5000);
    }

    void aSoundIsCachedOnceAndAgainWhenItChanges() {
        const fs::path setup = fs::path(QUIRN_DATA_DIR) / "setup";
        const fs::path sound = runtime_.path() / "move.wav";
        const fs::path fifo = runtime_.path() / "fifo.wav";
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        fs::copy_file(setup / "1.wav", sound);

        SoundPlayer player;
        player.start();
        QVERIFY(playUntil(player, {fifo, sound}, [](const QString& sample) {
            return sample.contains(QStringLiteral("Duration: 0.1s")) &&
                   sample.contains(QStringLiteral("media.role = \"game\"")) &&
                   sample.contains(QStringLiteral("application.name = \"Quirn Puzzle\""));
        }));
        QCOMPARE(gameSamples().size(), 1);

        // The player changes the sound on disk: the next press plays the new one.
        fs::copy_file(setup / "win.wav", sound, fs::copy_options::overwrite_existing);
        QVERIFY(playUntil(player, {sound}, [](const QString& sample) {
            return sample.contains(QStringLiteral("Duration: 1.1s"));
        }));
        QCOMPARE(gameSamples().size(), 1);
    }

  private:
    quirn::test::TempFolder runtime_;
    QProcess server_;
};

} // namespace quirn::qt::test

QTEST_MAIN(quirn::qt::test::SoundTest)
#include "SoundTest.moc"
