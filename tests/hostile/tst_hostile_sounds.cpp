// Broken, strange and huge files in place of the game's sounds, played by the real sound
// player through the real window: every handler still finishes in time and leaves the board
// as the rules say. Run with a sound server (every sound is played or replaced by the default
// beep) and without one (everything is silent and at once).

#include "hostile.h"
#include "pcm.h"
#include "playsoundfile.h"
#include "soundfixtures.h"
#include "testwindow.h"

#include <QSignalSpy>

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

// What one sound of a kind plays, in ms: at least `played` (with a server), and at most
// until the cut-off of a sound `nominal` long, where a file that cannot be played counts as
// the default beep.
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
        const QByteArray head = cutTone(30); // cut inside the format chunk
        return head.size() == 30 && writeBytes(path, head);
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
        return makeOdd(path, Odd::Directory);
    case Kind::Unreadable:
        return writeTone(path, 0.3) && QFile::setPermissions(path, QFileDevice::Permissions());
    case Kind::Fifo:
        return makeOdd(path, Odd::Fifo);
    case Kind::SymlinkLoop:
        return makeOdd(path, Odd::SymlinkLoop);
    }
    return false;
}

// Times one handler and checks it against its sounds' lengths; problems are collected so
// that one slow step does not hide what the others did.
class Stopwatch {
public:
    explicit Stopwatch(bool serverUp)
        : serverUp_(serverUp) {}

    void step(const QString &what, int sounds, const Length &length,
              const std::function<void()> &handler) {
        QSignalSpy ended(SoundEvents::instance(), &SoundEvents::allSoundsEnded);
        const qint64 elapsed = msTaken(handler);
        timings << QStringLiteral("%1 %2 ms").arg(what).arg(elapsed);
        if (ended.count() != sounds) {
            problems << QStringLiteral("%1 played %2 sounds, not %3")
                            .arg(what)
                            .arg(ended.count())
                            .arg(sounds);
        }
        const qint64 most = serverUp_ ? longestMs(sounds, length.nominal) : kAtOnceMs;
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

class TestHostileSounds : public DesignedLook {
    Q_OBJECT

private:
    bool serverUp = false;

private Q_SLOTS:
    void initTestCase() {
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
        TestWindow table(TestWindow::Hidden, dir.path(), TestWindow::OwnSound);
        const Board &board = table.board();
        Stopwatch watch(serverUp);

        watch.step(QStringLiteral("start-up"), 1, length, [&] { table.frm.loadAndShow(); });
        QCOMPARE(readBoard(board), waiting(QStringLiteral("123456789")));

        table.dice.push(3, 4);
        watch.step(QStringLiteral("Roll"), 1, length, [&] { board.roll->click(); });
        QCOMPARE(readBoard(board), holding(3, 4));

        watch.step(QStringLiteral("tile 7"), 1, length, [&] { board.tiles.at(6)->click(); });
        BoardState shut = waiting(QStringLiteral("123456789"), 0, 1);
        shut.open = QStringLiteral("12345689");
        shut.newGame = true;
        QCOMPARE(readBoard(board), shut);

        watch.step(QStringLiteral("New Game"), 1, length, [&] { board.newGame->click(); });
        QCOMPARE(readBoard(board), waiting(QStringLiteral("123456789"), 1, 1));

        table.lastTileLeft();
        table.dice.push(4, 5);
        watch.step(QStringLiteral("last Roll"), 1, length, [&] { board.roll->click(); });
        QCOMPARE(board.sum->text(), QStringLiteral("9"));
        // The click, the two sounds of the win, and New Game's.
        watch.step(QStringLiteral("winning tile"), 4, length, [&] { board.tiles.at(8)->click(); });
        QCOMPARE(table.messages,
                 QStringList{TurnFlow::winnerMessage(QStringLiteral("1"), QStringLiteral("2"))});
        QCOMPARE(readBoard(board), waiting(QStringLiteral("123456789"), 2, 2, 1));
        QVERIFY(table.dice.exhausted());
        QVERIFY(!soundPlaying());
        qInfo("%s", qPrintable(watch.timings.join(QStringLiteral(", "))));
        QVERIFY2(watch.problems.isEmpty(), qPrintable(watch.problems.join(QStringLiteral("; "))));
    }

    // A long sound is played to its end, and no longer than its length plus one second.
    void minuteLongRoll() {
        SoundingWindow table({{"roll.wav", 60.0}});
        QVERIFY(table.dir.isValid() && table.written);
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

PIPWELL_TEST_MAIN_LEAVING(QApplication, TestHostileSounds)

#include "tst_hostile_sounds.moc"
