// The turn flow through the real window: scripted dice, recorded sounds, real clicks.

#include "testwindow.h"

#include <stdexcept>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

struct Table : TestWindow {
    QStringList log; // sounds and messages in the order they happened

    Table() {
        sound.onPlay = [this](const QString &name) { log << QStringLiteral("sound ") + name; };
        onMessage = [this] { log << QStringLiteral("message"); };
    }
};

// Logs each change of a watched control's availability as it happens.
struct EnabledWatch : QObject {
    QStringList &log;
    explicit EnabledWatch(QStringList &into)
        : log(into) {}
    bool eventFilter(QObject *watched, QEvent *event) override {
        const bool on = static_cast<QWidget *>(watched)->isEnabled();
        if (event->type() == QEvent::EnabledChange)
            log << watched->objectName() + (on ? QStringLiteral(" on") : QStringLiteral(" off"));
        return false;
    }
};

} // namespace

class TestTurnFlow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWaitingForTheFirstRoll() {
        Table table;
        QCOMPARE(table.state(), waiting(QStringLiteral("123456789")));
        QVERIFY(table.sound.paths.isEmpty());
    }

    void rollWritesDiceSumAndFaces_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("1+2") << 1 << 2;
        QTest::newRow("double 4") << 4 << 4;
        QTest::newRow("double 6") << 6 << 6;
        QTest::newRow("double 1") << 1 << 1;
        QTest::newRow("6+5") << 6 << 5;
    }
    void rollWritesDiceSumAndFaces() {
        QFETCH(int, first);
        QFETCH(int, second);
        Table table;
        table.roll(first, second);
        QCOMPARE(table.state(), holding(first, second)); // the game counts at its first roll
        QCOMPARE(table.sound.names(), QStringList{QStringLiteral("roll.wav")});
        QCOMPARE(table.sound.paths.first(), QStringLiteral("/opt/pipwell/roll.wav"));
    }

    // Every throw against every tile: a tile shuts exactly when it equals a die or the sum,
    // and a tile that does not match changes nothing at all.
    void everyThrowAgainstEveryTile() {
        Table table;
        for (int a = 1; a <= 6; ++a) {
            for (int b = 1; b <= 6; ++b) {
                for (int n = 1; n <= 9; ++n) {
                    table.roll(a, b);
                    const BoardState rolled = table.state();
                    table.sound.paths.clear();
                    table.clickTile(n);
                    const bool matches = n == a || n == b || n == a + b;
                    if (!matches) {
                        QVERIFY2(table.state() == rolled,
                                 qPrintable(QStringLiteral("%1+%2 tile %3: %4")
                                                .arg(a)
                                                .arg(b)
                                                .arg(n)
                                                .arg(differences(table.state(), rolled))));
                        QVERIFY(table.sound.paths.isEmpty());
                    } else {
                        BoardState want = rolled;
                        want.open.remove(QString::number(n));
                        want.die1.clear();
                        want.die2.clear();
                        want.sum.clear();
                        want.faces.clear();
                        want.roll = true;
                        QVERIFY2(table.state() == want,
                                 qPrintable(QStringLiteral("%1+%2 tile %3: %4")
                                                .arg(a)
                                                .arg(b)
                                                .arg(n)
                                                .arg(differences(table.state(), want))));
                        QCOMPARE(table.sound.names(), QStringList{QStringLiteral("click.wav")});
                    }
                    table.newGame();
                    QCOMPARE(table.state().open, QStringLiteral("123456789"));
                }
            }
        }
    }

    void onlyOneTileShutsPerThrow() {
        Table table;
        table.roll(3, 3); // tiles 3 and 6 both match
        table.clickTile(3);
        table.clickTile(6);
        QCOMPARE(table.state().open, QStringLiteral("12456789"));
        QCOMPARE(table.sound.names(),
                 (QStringList{QStringLiteral("roll.wav"), QStringLiteral("click.wav")}));
    }

    void tilesDoNothingBeforeARoll() {
        Table table;
        for (int n = 1; n <= 9; ++n)
            table.clickTile(n);
        QCOMPARE(table.state(), waiting(QStringLiteral("123456789")));
        QVERIFY(table.sound.paths.isEmpty());
        table.newGame(); // disabled until the first roll
        QCOMPARE(table.state(), waiting(QStringLiteral("123456789")));
    }

    void aShutTileStaysShutUntilNewGame() {
        Table table;
        table.shut(2, 5, 7);
        table.roll(3, 4); // 7 again: tile 7 is shut and takes no click
        table.clickTile(7);
        QCOMPARE(table.state().open, QStringLiteral("12345689"));
        QCOMPARE(table.board().numbers.at(6)->text(), QStringLiteral("7"));
        table.newGame();
        QCOMPARE(table.state().open, QStringLiteral("123456789"));
    }

    void noMatchLeavesOnlyNewGame() {
        Table table;
        table.shut(1, 1, 1);
        table.shut(1, 1, 2);
        table.roll(1, 1); // 1, 1 and 2 are all shut now
        const BoardState stuck = table.state();
        QVERIFY(!stuck.roll);
        QVERIFY(stuck.newGame);
        for (int n = 1; n <= 9; ++n)
            table.clickTile(n);
        QTest::mouseClick(table.board().roll, Qt::LeftButton);
        QCOMPARE(table.state(), stuck);
        QVERIFY(table.messages.isEmpty()); // no lost-game message either
        table.newGame();
        QCOMPARE(table.state(), waiting(QStringLiteral("123456789"), 1, 1));
    }

    void newGameResetsTheBoard() {
        Table table;
        table.shut(1, 2, 1);
        table.shut(2, 3, 5);
        table.shut(4, 5, 9);
        table.roll(2, 5);
        table.sound.paths.clear();
        table.newGame();
        QCOMPARE(table.state(), waiting(QStringLiteral("123456789"), 1, 1));
        QCOMPARE(table.sound.names(), QStringList{QStringLiteral("new.wav")});
        QVERIFY(!table.board().newGame->isEnabled());
    }

    void soundsOffSilencesRollNewGameButNotTheTile() {
        Table table;
        table.board().sounds->setChecked(false);
        table.roll(2, 3);
        table.clickTile(4); // no match: nothing
        table.clickTile(5);
        table.roll(6, 6);
        table.newGame();
        QCOMPARE(table.sound.names(), QStringList{QStringLiteral("click.wav")});
        QCOMPARE(table.state(), waiting(QStringLiteral("123456789"), 1, 1));
    }

    // A sound system that throws (out of memory, say) costs the sound, not the turn.
    void aFailingSoundLosesNothing() {
        Table table;
        table.sound.onPlay = [](const QString &) { throw std::runtime_error("no sound"); };
        table.shut(3, 4, 7);
        BoardState shut = waiting(QStringLiteral("12345689"), 0, 1);
        shut.newGame = true;
        QCOMPARE(table.state(), shut);
        table.newGame();
        QCOMPARE(table.state(), waiting(QStringLiteral("123456789"), 1, 1));
        QCOMPARE(table.sound.names(),
                 (QStringList{QStringLiteral("roll.wav"), QStringLiteral("click.wav"),
                              QStringLiteral("new.wav")}));
    }

    void countersFollowTheGames() {
        Table table;
        table.roll(1, 2); // game 1 begins
        table.clickTile(3);
        table.roll(1, 2); // same game
        QCOMPARE(table.state().total, QStringLiteral("1"));
        table.newGame();
        QCOMPARE(table.state().today, QStringLiteral("1"));
        table.roll(5, 5); // game 2 begins
        table.newGame();
        table.roll(5, 5); // game 3
        QCOMPARE(table.state().total, QStringLiteral("3"));
        QCOMPARE(table.state().today, QStringLiteral("2"));
        QCOMPARE(table.state().won, QStringLiteral("0"));
    }

    void resetStatsZeroesCountersOnly() {
        Table table;
        table.shut(1, 2, 1);
        table.roll(4, 4);
        table.board().counters.gamesWon->setText(QStringLiteral("7"));
        const BoardState before = table.state();
        table.frm.mnuReset_Click();
        BoardState want = before;
        want.today = want.total = want.won = QStringLiteral("0");
        QCOMPARE(table.state(), want);
        table.newGame();
        QCOMPARE(table.state().today, QStringLiteral("1"));
    }

    // The nesting: what each handler does, in its order, including the change handlers that
    // run inside the assignments of the dice.
    void rollAndTileRunTheirStepsInOrder() {
        Table table;
        const Board &board = table.board();
        QStringList &log = table.log;
        auto watchText = [&](QLineEdit *box, const QString &name) {
            QObject::connect(
                box, &QLineEdit::textChanged, &table.frm,
                [&log, name, &board](const QString &text) {
                    const QString faces = readBoard(board).faces;
                    log << QStringLiteral("%1='%2' %3").arg(name, text, faces).trimmed();
                });
        };
        // connected after the window's own handlers, so each entry sees the handler's result
        watchText(board.die1, QStringLiteral("die1"));
        watchText(board.die2, QStringLiteral("die2"));
        watchText(board.sum, QStringLiteral("sum"));
        table.sound.onPlay = [&](const QString &name) {
            log << QStringLiteral("sound %1 new=%2 roll=%3")
                       .arg(name)
                       .arg(int(board.newGame->isEnabled()))
                       .arg(int(board.roll->isEnabled()));
        };

        table.roll(4, 2);
        QCOMPARE(log, (QStringList{
                          QStringLiteral("sound roll.wav new=0 roll=1"),
                          QStringLiteral("die1='4' d1p4"),
                          QStringLiteral("die2='2' d1p4 d2p2"),
                          QStringLiteral("sum='6' d1p4 d2p2"),
                      }));
        log.clear();
        QTest::mouseClick(board.roll, Qt::LeftButton); // disabled while a throw stands
        QVERIFY(log.isEmpty());

        table.clickTile(6);
        QCOMPARE(log, (QStringList{
                          QStringLiteral("sound click.wav new=1 roll=0"),
                          QStringLiteral("sum='' d1p4 d2p2"),
                          QStringLiteral("die1='' d2p2"),
                          QStringLiteral("die2=''"),
                      }));
        QVERIFY(board.roll->isEnabled());
        QVERIFY(!board.tiles.at(5)->isEnabled());

        log.clear();
        table.roll(5, 1); // a second roll empties nothing: the dice are empty already
        QCOMPARE(log.first(), QStringLiteral("sound roll.wav new=1 roll=1"));
        QCOMPARE(log.size(), 4);

        // New Game, with the throw standing: its availability changes and the count too.
        EnabledWatch watch(log);
        for (QWidget *control : {board.roll, board.newGame})
            control->installEventFilter(&watch);
        for (QWidget *tile : board.tiles)
            tile->installEventFilter(&watch);
        QObject::connect(board.counters.gamesToday, &QLineEdit::textChanged, &table.frm,
                         [&log](const QString &text) { log << QStringLiteral("today=") + text; });
        log.clear();
        table.newGame();
        QCOMPARE(log, (QStringList{
                          QStringLiteral("sound new.wav new=1 roll=0"),
                          QStringLiteral("Command6 on"),
                          QStringLiteral("cmdRoll on"),
                          QStringLiteral("sum='' d1p5 d2p1"),
                          QStringLiteral("die1='' d2p1"),
                          QStringLiteral("die2=''"),
                          QStringLiteral("cmdReset off"),
                          QStringLiteral("today=1"),
                      }));
    }

    void rollClearsAnOldThrowBeforeDrawing() {
        // Only visible through a direct call: the button is disabled while a throw stands.
        Table table;
        table.roll(3, 5);
        QStringList order;
        QObject::connect(table.board().die1, &QLineEdit::textChanged, &table.frm,
                         [&order](const QString &t) { order << QStringLiteral("die1=") + t; });
        QObject::connect(table.board().sum, &QLineEdit::textChanged, &table.frm,
                         [&order](const QString &t) { order << QStringLiteral("sum=") + t; });
        table.dice.push(6, 6);
        table.board().roll->setEnabled(true);
        QTest::mouseClick(table.board().roll, Qt::LeftButton);
        QCOMPARE(order, (QStringList{QStringLiteral("sum="), QStringLiteral("die1="),
                                     QStringLiteral("die1=6"), QStringLiteral("sum=12")}));
        QCOMPARE(table.state().faces, QStringLiteral("d1p6 d2p6"));
    }

    void numberBoxTextDecidesTheMatch() {
        Table table;
        QLineEdit *number = table.board().numbers.at(0);
        QVERIFY(number->isReadOnly());
        QCOMPARE(number->focusPolicy(), Qt::NoFocus);
        // The box, not the tile's position, is what a throw must equal.
        number->setText(QStringLiteral("12"));
        table.shut(6, 6, 1);
        QCOMPARE(table.state().open, QStringLiteral("23456789"));
    }
};

QTEST_MAIN(TestTurnFlow)
#include "tst_turnflow.moc"
