// Broken, strange and huge files in place of the game's sounds, played by the real sound
// player through the real window: every handler still finishes in time and leaves the board
// as the rules say. Run with a sound server (every sound is played or replaced by the default
// beep) and without one (everything is silent and at once).

#include "frmmain.h"
#include "hostile.h"
#include "pcm.h"
#include "playsoundfile.h"
#include "seams.h"
#include "soundfixtures.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <functional>
#include <memory>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

const QStringList gameSounds = {QStringLiteral("intro.wav"), QStringLiteral("new.wav"),
                                QStringLiteral("roll.wav"),  QStringLiteral("click.wav"),
                                QStringLiteral("tada.wav"),  QStringLiteral("applause.wav")};

// Set by the test that runs without a sound server, so that an unexpectedly reachable
// server cannot turn it into a different test.
bool expectNoServer() {
    return qEnvironmentVariableIsSet("PIPWELL_EXPECT_NO_SOUND_SERVER");
}

// Slack on top of every bound, for a busy two-core machine.
constexpr qint64 kSlackMs = 1500;
// Without a sound server every handler returns at once; this much is still "at once" on a
// busy machine.
constexpr qint64 kAtOnceMs = 1000;

enum class Kind {
    ZeroBytes,
    RandomBytes,
    TruncatedHeader,
    GigabyteHeader,
    ZeroChannels,
    Surround96k,
    Directory,
    Unreadable,
    Fifo,
    SymlinkLoop,
};

// What one sound of a kind plays, in ms: at least `played` (with a server), and by the
// rule "the sound's length plus one second" at most `nominal` + 1000, where a file that
// cannot be played counts as the default beep.
struct Length {
    qint64 played = 0;
    qint64 nominal = 0;
};

constexpr int kGigabyteFrames = 2000;
constexpr double kSurroundSeconds = 0.4;

Length lengthOf(Kind kind) {
    const qint64 beep = sound::defaultSound().durationMs();
    switch (kind) {
    case Kind::GigabyteHeader: {
        const qint64 body = kGigabyteFrames * 1000 / 44100;
        return {body, body};
    }
    case Kind::Surround96k:
        return {qint64(kSurroundSeconds * 1000), qint64(kSurroundSeconds * 1000)};
    default:
        return {beep, beep};
    }
}

// Puts a file of the kind in place of one sound.
bool plant(const QDir &dir, const QString &name, Kind kind) {
    const QString path = dir.filePath(name);
    switch (kind) {
    case Kind::ZeroBytes:
        return writeBytes(path, {});
    case Kind::RandomBytes:
        return writeBytes(path, noiseBytes(8192, quint32(qHash(name))));
    case Kind::TruncatedHeader: {
        const QString whole = dir.filePath(name + QStringLiteral(".whole"));
        QFile source(whole);
        if (!writeTone(whole, 0.2) || !source.open(QIODevice::ReadOnly))
            return false;
        const QByteArray head = source.read(30); // cut inside the format chunk
        source.remove();
        return writeBytes(path, head);
    }
    case Kind::GigabyteHeader: {
        QByteArray bytes = wavHeader(1, 44100, 0xFFFFFFF0u, 0xFFFFFFF0u);
        for (int i = 0; i < kGigabyteFrames; ++i)
            bytes.append("\x00\x10", 2);
        return writeBytes(path, bytes);
    }
    case Kind::ZeroChannels:
        return writeBytes(path, wavHeader(0, 44100, 400, 436) + QByteArray(400, '\1'));
    case Kind::Surround96k:
        return writeTone(path, kSurroundSeconds, 96000, 8, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    case Kind::Directory:
        return QDir().mkpath(path);
    case Kind::Unreadable:
        return writeTone(path, 0.3) && QFile::setPermissions(path, QFileDevice::Permissions());
    case Kind::Fifo:
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Kind::SymlinkLoop: {
        const QString other = path + QStringLiteral(".loop");
        return QFile::link(other, path) && QFile::link(path, other);
    }
    }
    return false;
}

struct Table {
    ScriptedDice dice;
    QStringList announced;
    std::unique_ptr<FrmMain> window;

    explicit Table(const QString &programDir) {
        FrmMain::Services services;
        services.dice = &dice;
        services.programDir = programDir; // the sound player is the real one
        services.announce = [this](const QString &text) { announced << text; };
        window = std::make_unique<FrmMain>(services);
    }
    const Board &board() const { return window->board(); }
};

// Times one handler and checks it against its sounds' lengths; problems are collected so
// that one slow step does not hide what the others did.
class Stopwatch {
public:
    explicit Stopwatch(bool serverUp)
        : serverUp_(serverUp) {}

    void step(const QString &what, int sounds, const Length &length,
              const std::function<void()> &handler) {
        QSignalSpy ended(SoundEvents::instance(), &SoundEvents::allSoundsEnded);
        QElapsedTimer clock;
        clock.start();
        handler();
        const qint64 elapsed = clock.elapsed();
        timings << QStringLiteral("%1 %2 ms").arg(what).arg(elapsed);
        if (ended.count() != sounds) {
            problems << QStringLiteral("%1 played %2 sounds, not %3")
                            .arg(what)
                            .arg(ended.count())
                            .arg(sounds);
        }
        const qint64 most = serverUp_ ? sounds * (length.nominal + 1000) + kSlackMs : kAtOnceMs;
        if (elapsed > most) {
            problems
                << QStringLiteral("%1 took %2 ms, more than %3").arg(what).arg(elapsed).arg(most);
        }
        // Something was heard: the file or the default beep, each to its end.
        const qint64 least = serverUp_ ? sounds * length.played : 0;
        if (elapsed < least) {
            problems << QStringLiteral("%1 took %2 ms, less than the %3 ms its sounds last")
                            .arg(what)
                            .arg(elapsed)
                            .arg(least);
        }
    }

    QStringList problems;
    QStringList timings;

private:
    bool serverUp_;
};

} // namespace

class TestHostileSounds : public QObject {
    Q_OBJECT

private:
    bool serverUp = false;

private slots:
    void initTestCase() {
        applyDesktopLook();
        serverUp = soundServerAnswers();
        if (expectNoServer()) {
            QVERIFY2(!serverUp, "a sound server answered although none should be reachable");
        } else if (!serverUp) {
            QSKIP("No audio device available");
        }
    }

    void handlersComplete_data() {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("zero bytes") << Kind::ZeroBytes;
        QTest::newRow("random bytes") << Kind::RandomBytes;
        QTest::newRow("truncated header") << Kind::TruncatedHeader;
        QTest::newRow("gigabyte header") << Kind::GigabyteHeader;
        QTest::newRow("zero channels") << Kind::ZeroChannels;
        QTest::newRow("96 kHz 8 channels") << Kind::Surround96k;
        QTest::newRow("directory") << Kind::Directory;
        QTest::newRow("no read permission") << Kind::Unreadable;
        QTest::newRow("fifo") << Kind::Fifo;
        QTest::newRow("symlink loop") << Kind::SymlinkLoop;
    }
    // Start-up, a roll, a matching tile, New Game, and a winning tile, all with the file in
    // place of every sound.
    void handlersComplete() {
        QFETCH(Kind, kind);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString &name : gameSounds)
            QVERIFY2(plant(QDir(dir.path()), name, kind), qPrintable(name));
        if (kind == Kind::Unreadable && canRead(dir.filePath(QStringLiteral("roll.wav"))))
            PIPWELL_RERUN_WITHOUT_READ_OVERRIDE("handlersComplete");

        const Length length = lengthOf(kind);
        Table table(dir.path());
        const Board &board = table.board();
        Stopwatch watch(serverUp);

        watch.step(QStringLiteral("start-up"), 1, length, [&] { table.window->loadAndShow(); });
        QCOMPARE(readBoard(board), waiting(QStringLiteral("123456789"), QStringLiteral("0"),
                                           QStringLiteral("0"), QStringLiteral("0")));

        table.dice.push(3, 4);
        watch.step(QStringLiteral("Roll"), 1, length, [&] { board.roll->click(); });
        BoardState rolled = waiting(QStringLiteral("123456789"), QStringLiteral("0"),
                                    QStringLiteral("1"), QStringLiteral("0"));
        rolled.die1 = QStringLiteral("3");
        rolled.die2 = QStringLiteral("4");
        rolled.sum = QStringLiteral("7");
        rolled.roll = false;
        rolled.newGame = true;
        rolled.faces = QStringLiteral("d1p3 d2p4");
        QCOMPARE(readBoard(board), rolled);

        watch.step(QStringLiteral("tile 7"), 1, length, [&] { board.tiles.at(6)->click(); });
        BoardState shut = waiting(QStringLiteral("123456789"), QStringLiteral("0"),
                                  QStringLiteral("1"), QStringLiteral("0"));
        shut.open = QStringLiteral("12345689");
        shut.newGame = true;
        QCOMPARE(readBoard(board), shut);

        watch.step(QStringLiteral("New Game"), 1, length, [&] { board.newGame->click(); });
        QCOMPARE(readBoard(board), waiting(QStringLiteral("123456789"), QStringLiteral("1"),
                                           QStringLiteral("1"), QStringLiteral("0")));

        // A game down to its last tile.
        for (int n = 1; n <= 8; ++n)
            board.tiles.at(n - 1)->setEnabled(false);
        table.dice.push(4, 5);
        watch.step(QStringLiteral("last Roll"), 1, length, [&] { board.roll->click(); });
        QCOMPARE(board.sum->text(), QStringLiteral("9"));
        // The click, the two sounds of the win, and New Game's.
        watch.step(QStringLiteral("winning tile"), 4, length, [&] { board.tiles.at(8)->click(); });
        QCOMPARE(table.announced,
                 QStringList{TurnFlow::winnerMessage(QStringLiteral("1"), QStringLiteral("2"))});
        QCOMPARE(readBoard(board), waiting(QStringLiteral("123456789"), QStringLiteral("2"),
                                           QStringLiteral("2"), QStringLiteral("1")));
        QVERIFY(table.dice.exhausted());
        QVERIFY(!soundPlaying());
        qInfo("%s", qPrintable(watch.timings.join(QStringLiteral(", "))));
        QVERIFY2(watch.problems.isEmpty(), qPrintable(watch.problems.join(QStringLiteral("; "))));
    }

    // A long sound is played to its end, and no longer than its length plus one second.
    void minuteLongRoll() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(writeTone(dir.filePath(QStringLiteral("roll.wav")), 60.0));
        Table table(dir.path());
        table.window->show();
        const Board &board = table.board();
        table.dice.push(2, 3);
        Stopwatch watch(serverUp);
        watch.step(QStringLiteral("Roll"), 1, {59000, 60000}, [&] { board.roll->click(); });
        qInfo("%s", qPrintable(watch.timings.join(QString())));
        QVERIFY2(watch.problems.isEmpty(), qPrintable(watch.problems.join(QStringLiteral("; "))));
        QCOMPARE(board.sum->text(), QStringLiteral("5"));
        QVERIFY(!board.roll->isEnabled());
    }
};

// Leaves without running exit handlers once the results are out: libpulse occasionally
// asserts while a test program exits.
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    int status = 0;
    {
        TestHostileSounds test;
        status = QTest::qExec(&test, argc, argv);
    }
    exitSkippingHandlers(status);
}

#include "tst_hostile_sounds.moc"
