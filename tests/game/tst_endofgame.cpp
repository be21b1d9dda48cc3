// The dice faces and the end of a game, through the real window.

#include "frmmain.h"
#include "seams.h"
#include "testwindow.h"
#include "turnflow.h"

#include <QLineEdit>
#include <QTest>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

struct Table : TestWindow {
    QStringList log;
    QString facesAtMessage;

    Table() {
        sound.onPlay = [this](const QString &name) { log << name; };
        onMessage = [this] {
            log << QStringLiteral("message");
            facesAtMessage = readBoard(board()).faces;
        };
    }
    void roll(int first, int second) {
        dice.push(first, second);
        QTest::mouseClick(board().roll, Qt::LeftButton);
    }
    void clickTile(int n) { QTest::mouseClick(board().tiles.at(n - 1), Qt::LeftButton); }

    // Shuts the nine tiles with one throw each; the ninth shut wins.
    void playAWinningGame() {
        const int throws[9][3] = {{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {4, 5, 4}, {5, 6, 5},
                                  {6, 1, 6}, {3, 4, 7}, {4, 4, 8}, {4, 5, 9}};
        for (const auto &t : throws) {
            roll(t[0], t[1]);
            clickTile(t[2]);
        }
    }
};

} // namespace

class TestEndOfGame : public QObject {
    Q_OBJECT
private slots:
    void winnerMessageText() {
        QCOMPARE(TurnFlow::winnerMessage(QStringLiteral("5"), QString()),
                 QStringLiteral(
                     "YOU ARE A WINNER!!!!!   So far, you have won 5 out of a total of  games!"));
    }

    void aWonGameWithSounds() {
        Table table;
        table.playAWinningGame();
        QCOMPARE(table.messages,
                 QStringList{QStringLiteral(
                     "YOU ARE A WINNER!!!!!   So far, you have won 1 out of a total of 1 games!")});
        // the last click, the message, both win sounds, then the new game's own sound
        QCOMPARE(table.log.mid(table.log.size() - 5),
                 (QStringList{QStringLiteral("click.wav"), QStringLiteral("message"),
                              QStringLiteral("tada.wav"), QStringLiteral("applause.wav"),
                              QStringLiteral("new.wav")}));
        // die 1's last face stays up through the message, with die 2's
        QCOMPARE(table.facesAtMessage, QStringLiteral("d1p4 d2p5"));

        BoardState fresh;
        fresh.open = QStringLiteral("123456789");
        fresh.roll = true;
        fresh.today = QStringLiteral("1");
        fresh.total = QStringLiteral("1");
        fresh.won = QStringLiteral("1");
        QCOMPARE(readBoard(table.board()), fresh);

        // and the next game counts on
        table.playAWinningGame();
        QCOMPARE(table.messages.last(),
                 QStringLiteral(
                     "YOU ARE A WINNER!!!!!   So far, you have won 2 out of a total of 2 games!"));
        QCOMPARE(readBoard(table.board()).won, QStringLiteral("2"));
        QCOMPARE(readBoard(table.board()).today, QStringLiteral("2"));
    }

    void aWonGameWithSoundsOff() {
        Table table;
        table.board().sounds->setChecked(false);
        table.playAWinningGame();
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
        table.playAWinningGame();
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
        for (int n = 1; n <= 8; ++n)
            board.tiles.at(n - 1)->setEnabled(false);
        board.die1->setText(QStringLiteral("2"));
        board.die1->setText(QString());
        QVERIFY(table.messages.isEmpty());
        QCOMPARE(readBoard(board).open, QStringLiteral("9"));
    }
};

QTEST_MAIN(TestEndOfGame)
#include "tst_endofgame.moc"
