// The sound server killed in the middle of Roll's sound, in the real window with the real
// sound player: Roll returns within its bound with the dice thrown, the game goes on with the
// server gone, and once a server is back each sound either plays again or returns at once.
// The test runs a private server of its own, so that killing it disturbs no other test.

#include "playsoundfile.h"
#include "privateserver.h"
#include "testwindow.h"

#include <QTimer>

using namespace pipwell;
using namespace pipwell::testing;

class TestHostileServerKill : public DesignedLook {
    Q_OBJECT
    PrivateServer server;

private Q_SLOTS:
    void initTestCase() {
        const QString serverProblem = server.start();
        if (!serverProblem.isEmpty())
            QSKIP(qPrintable(serverProblem));
        if (!soundServerAnswers())
            QSKIP("No sound server answers");
    }

    void serverKilledDuringRoll() {
        constexpr qint64 rollMs = 4000;
        constexpr qint64 shortMs = 300;
        constexpr double shortS = shortMs / 1000.0;
        SoundingWindow w({{"roll.wav", rollMs / 1000.0},
                          {"new.wav", shortS},
                          {"click.wav", shortS},
                          {"tada.wav", shortS},
                          {"applause.wav", shortS}});
        QVERIFY(w.dir.isValid() && w.written);
        const QString roll = w.file(QStringLiteral("roll.wav"));
        QVERIFY(QTest::qWaitForWindowExposed(&w.frm));
        ScriptedDice &dice = w.dice;
        const Board &board = w.board();

        bool killed = false;
        QTimer::singleShot(600, &w.frm, [&] {
            server.kill();
            killed = true;
        });
        dice.push(2, 5);
        const qint64 rolled = msTaken([&] { board.roll->click(); });
        QVERIFY(killed);
        QVERIFY2(rolled <= longestMs(1, rollMs),
                 qPrintable(QStringLiteral("Roll took %1 ms").arg(rolled)));
        QCOMPARE(readBoard(board), holding(2, 5));

        // A sound either plays to its end or returns at once (well under its length); one
        // held silent until its cut-off did neither.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("cut off")));
        QStringList timings{QStringLiteral("Roll %1 ms").arg(rolled)};
        QStringList problems;
        auto check = [&](const QString &what, int sounds, const std::function<void()> &handler) {
            const qint64 elapsed = msTaken(handler);
            timings << QStringLiteral("%1 %2 ms").arg(what).arg(elapsed);
            const bool atOnce = elapsed < shortMs / 2;
            const bool played = elapsed >= sounds * shortMs;
            if (elapsed > longestMs(sounds, shortMs) || (!atOnce && !played))
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
        const QString restarted = server.start();
        QVERIFY2(restarted.isEmpty(), qPrintable(restarted));
        w.lastTileLeft();
        dice.push(4, 5);
        check(QStringLiteral("Roll, server back"), 1, [&] { board.roll->click(); });
        check(QStringLiteral("winning tile, server back"), 4, [&] { board.tiles.at(8)->click(); });
        QCOMPARE(w.messages,
                 QStringList{TurnFlow::winnerMessage(QStringLiteral("1"), QStringLiteral("2"))});
        QCOMPARE(readBoard(board).open, QStringLiteral("123456789"));
        QCOMPARE(readBoard(board).won, QStringLiteral("1"));
        QVERIFY(!soundPlaying());
        qInfo("%s", qPrintable(timings.join(QStringLiteral(", "))));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }
};

PIPWELL_TEST_MAIN_LEAVING(QApplication, TestHostileServerKill)

#include "tst_hostile_serverkill.moc"
