// The sound server killed in the middle of Roll's sound, in the real window with the real
// sound player: Roll returns within its bound with the dice thrown, the game goes on with the
// server gone, and once a server is back each sound either plays again or returns at once.
// The test runs a private server of its own, so that killing it disturbs no other test.

#include "frmmain.h"
#include "playsoundfile.h"
#include "privateserver.h"
#include "seams.h"
#include "soundfixtures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <memory>
#include <utility>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

constexpr qint64 kSlackMs = 1500;

PrivateServer *server = nullptr;
QString serverProblem;

qint64 timed(const std::function<void()> &handler) {
    QElapsedTimer clock;
    clock.start();
    handler();
    return clock.elapsed();
}

} // namespace

class TestHostileServerKill : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!serverProblem.isEmpty())
            QSKIP(qPrintable(serverProblem));
        if (!soundServerAnswers())
            QSKIP("No sound server answers");
        applyDesktopLook();
    }

    void serverKilledDuringRoll() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString roll = dir.filePath(QStringLiteral("roll.wav"));
        constexpr qint64 rollMs = 4000;
        constexpr qint64 shortMs = 300;
        QVERIFY(writeTone(roll, rollMs / 1000.0));
        for (const char *name : {"new", "click", "tada", "applause"}) {
            QVERIFY(writeTone(dir.filePath(QString::fromLatin1(name) + QStringLiteral(".wav")),
                              shortMs / 1000.0));
        }
        ScriptedDice dice;
        QStringList announced;
        FrmMain::Services services; // the real sound player
        services.dice = &dice;
        services.programDir = dir.path();
        services.announce = [&](const QString &text) { announced << text; };
        FrmMain frm(services);
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        const Board &board = frm.board();

        bool killed = false;
        QTimer::singleShot(600, &frm, [&] {
            server->kill();
            killed = true;
        });
        dice.push(2, 5);
        const qint64 rolled = timed([&] { board.roll->click(); });
        QVERIFY(killed);
        QVERIFY2(rolled <= rollMs + 1000 + kSlackMs,
                 qPrintable(QStringLiteral("Roll took %1 ms").arg(rolled)));
        BoardState want;
        want.open = QStringLiteral("123456789");
        want.die1 = QStringLiteral("2");
        want.die2 = QStringLiteral("5");
        want.sum = QStringLiteral("7");
        want.newGame = true;
        want.faces = QStringLiteral("d1p2 d2p5");
        want.today = QStringLiteral("0");
        want.total = QStringLiteral("1");
        want.won = QStringLiteral("0");
        QCOMPARE(readBoard(board), want);

        // A sound either plays to its end or returns at once (well under its length);
        // never held longer than its length plus one second.
        QStringList timings{QStringLiteral("Roll %1 ms").arg(rolled)};
        QStringList problems;
        auto check = [&](const QString &what, int sounds, const std::function<void()> &handler) {
            const qint64 elapsed = timed(handler);
            timings << QStringLiteral("%1 %2 ms").arg(what).arg(elapsed);
            const bool atOnce = elapsed < shortMs / 2;
            const bool played = elapsed >= sounds * shortMs;
            if (elapsed > sounds * (shortMs + 1000) + kSlackMs || (!atOnce && !played))
                problems << QStringLiteral("%1 took %2 ms").arg(what).arg(elapsed);
        };

        // With the server gone.
        check(QStringLiteral("tile 7, server gone"), 1, [&] { board.tiles.at(6)->click(); });
        QCOMPARE(readBoard(board).open, QStringLiteral("12345689"));
        QVERIFY(board.roll->isEnabled());
        QVERIFY(writeTone(roll, shortMs / 1000.0));
        dice.push(1, 1);
        check(QStringLiteral("Roll, server gone"), 1, [&] { board.roll->click(); });
        QCOMPARE(board.sum->text(), QStringLiteral("2"));
        check(QStringLiteral("New Game, server gone"), 1, [&] { board.newGame->click(); });
        QCOMPARE(readBoard(board).open, QStringLiteral("123456789"));

        // A server back at the same place.
        const QString restarted = server->start();
        QVERIFY2(restarted.isEmpty(), qPrintable(restarted));
        for (int n = 1; n <= 8; ++n)
            board.tiles.at(n - 1)->setEnabled(false);
        dice.push(4, 5);
        check(QStringLiteral("Roll, server back"), 1, [&] { board.roll->click(); });
        check(QStringLiteral("winning tile, server back"), 4, [&] { board.tiles.at(8)->click(); });
        QCOMPARE(announced,
                 QStringList{TurnFlow::winnerMessage(QStringLiteral("1"), QStringLiteral("2"))});
        QCOMPARE(readBoard(board).open, QStringLiteral("123456789"));
        QCOMPARE(readBoard(board).won, QStringLiteral("1"));
        QVERIFY(!soundPlaying());
        qInfo("%s", qPrintable(timings.join(QStringLiteral(", "))));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }
};

// libpulse occasionally asserts while the process exits (more so once its server has been
// killed); leave without running exit handlers once the results are out.
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    int status = 0;
    {
        QTemporaryDir folder;
        PrivateServer privateServer(folder.path());
        serverProblem = privateServer.start();
        server = &privateServer;
        TestHostileServerKill test;
        status = QTest::qExec(&test, argc, argv);
        server = nullptr;
    }
    exitSkippingHandlers(status);
}

#include "tst_hostile_serverkill.moc"
