// The dice faces and the end of a game, through the real window.

#include "testwindow.h"
#include "turnflow.h"

using namespace pipwell;
using namespace pipwell::testing;

namespace {

struct Table : TestWindow {
    QStringList log;
    QList<BoardState> atMessage; // the board as each winner message shows

    Table() {
        sound.onPlay = [this](const QString &name) { log << name; };
        onMessage = [this] {
            log << QStringLiteral("message");
            atMessage << state();
        };
    }
};

} // namespace

class TestEndOfGame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void winnerMessageText() {
        QCOMPARE(TurnFlow::winnerMessage(QStringLiteral("5"), QString()),
                 QStringLiteral(
                     "YOU ARE A WINNER!!!!!   So far, you have won 5 out of a total of  games!"));
    }

    void aWonGameWithSounds() {
        Table table;
        table.play(kWinningThrows);
        QCOMPARE(table.messages,
                 QStringList{QStringLiteral(
                     "YOU ARE A WINNER!!!!!   So far, you have won 1 out of a total of 1 games!")});
        // the last click, the message, both win sounds, then the new game's own sound
        QCOMPARE(table.log.mid(table.log.size() - 5),
                 (QStringList{QStringLiteral("click.wav"), QStringLiteral("message"),
                              QStringLiteral("tada.wav"), QStringLiteral("applause.wav"),
                              QStringLiteral("new.wav")}));
        // die 1's last face stays up through the message, with die 2's
        QCOMPARE(table.atMessage.value(0).faces, QStringLiteral("d1p4 d2p5"));
        // The message comes while the last tile's click empties die 1: the sum and die 1 are
        // empty, die 2 not yet, Roll still waits, and only the win is counted so far.
        BoardState whileWinning = holding(4, 5, QString());
        whileWinning.die1.clear();
        whileWinning.sum.clear();
        whileWinning.won = QStringLiteral("1");
        QCOMPARE(table.atMessage, QList<BoardState>{whileWinning});

        QCOMPARE(readBoard(table.board()), waiting(QStringLiteral("123456789"), 1, 1, 1));

        // and the next game counts on
        table.play(kWinningThrows);
        QCOMPARE(table.messages.last(),
                 QStringLiteral(
                     "YOU ARE A WINNER!!!!!   So far, you have won 2 out of a total of 2 games!"));
        QCOMPARE(readBoard(table.board()).won, QStringLiteral("2"));
        QCOMPARE(readBoard(table.board()).today, QStringLiteral("2"));
    }

    void aWonGameWithSoundsOff() {
        Table table;
        table.board().sounds->setChecked(false);
        table.play(kWinningThrows);
        QCOMPARE(table.messages.size(), 1);
        QCOMPARE(table.log.count(QStringLiteral("click.wav")), 9);
        QCOMPARE(table.log.size(), 10); // nine clicks and the message, nothing else
        QCOMPARE(table.log.last(), QStringLiteral("message"));
        const BoardState after = readBoard(table.board());
        QCOMPARE(after.open, QStringLiteral("123456789"));
        QCOMPARE(after.faces, QString());
        QCOMPARE(after.won, QStringLiteral("1"));
        QVERIFY(after.roll && !after.newGame);
    }

    void aWinWithAnUnreadableCountStartsAgainFromOne() {
        Table table;
        table.board().counters.gamesWon->setText(QStringLiteral("lots"));
        table.play(kWinningThrows);
        QCOMPARE(table.messages.size(), 1);
        QVERIFY(table.messages.first().contains(QStringLiteral("you have won 1 out of")));
        QCOMPARE(table.board().counters.gamesWon->text(), QStringLiteral("1"));
    }

    void faceFollowsTheExactText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("face"); // 0: none
        for (int k = 1; k <= 6; ++k)
            QTest::addRow("%d", k) << QString::number(k) << k;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("7") << QStringLiteral("7") << 0;
        QTest::newRow("0") << QStringLiteral("0") << 0;
        QTest::newRow("blank before") << QStringLiteral(" 3") << 0;
        QTest::newRow("blank after") << QStringLiteral("3 ") << 0;
        QTest::newRow("decimal") << QStringLiteral("3.0") << 0;
        QTest::newRow("leading zero") << QStringLiteral("03") << 0;
    }
    void faceFollowsTheExactText() {
        QFETCH(QString, text);
        QFETCH(int, face);
        Table table;
        const Board &board = table.board();
        for (QLineEdit *die : {board.die1, board.die2}) {
            const auto &faces = die == board.die1 ? board.die1Faces : board.die2Faces;
            const auto &others = die == board.die1 ? board.die2Faces : board.die1Faces;
            die->setText(QStringLiteral("5")); // a face showing first, to be replaced
            die->setText(text);
            for (int k = 1; k <= 6; ++k)
                QCOMPARE(!faces.at(k - 1)->isHidden(), k == face);
            for (QWidget *other : others)
                QVERIFY(other->isHidden()); // each die touches only its own faces
            die->setText(QString());
        }
    }

    void onlyDie1EndsAGame() {
        Table table;
        const Board &board = table.board();
        for (QAbstractButton *tile : board.tiles)
            tile->setEnabled(false);
        board.die2->setText(QStringLiteral("3"));
        QVERIFY(table.messages.isEmpty());
        QVERIFY(!board.die2Faces.at(2)->isHidden());
        board.die1->setText(QStringLiteral("2"));
        QCOMPARE(table.messages.size(), 1);
        QCOMPARE(readBoard(board).open, QStringLiteral("123456789"));
    }

    void oneOpenTileIsNoWin() {
        Table table;
        const Board &board = table.board();
        table.lastTileLeft();
        board.die1->setText(QStringLiteral("2"));
        board.die1->setText(QString());
        QVERIFY(table.messages.isEmpty());
        QCOMPARE(readBoard(board).open, QStringLiteral("9"));
    }
};

QTEST_MAIN(TestEndOfGame)
#include "tst_endofgame.moc"
