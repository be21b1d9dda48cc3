// Keys that press a button click it about 100 ms later (access keys, Enter). A mouse click in
// between must not make that late click run a button that has become unavailable meanwhile:
// found by random play with a player who does not wait.

#include "testwindow.h"

using namespace pipwell;
using namespace pipwell::testing;

namespace {

struct Table : TestWindow {
    Table()
        : TestWindow(Hidden) {
        frm.loadAndShow();
        sound.paths.clear();
    }
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Long enough for any click still on its way to arrive.
    static void letLateClicksLand() { QTest::qWait(300); }
};

} // namespace

class TestLateClick : public DesignedLook {
    Q_OBJECT
private Q_SLOTS:
    void oneNewGameForAltNAndAWinningClick() {
        Table table;
        QVERIFY(QTest::qWaitForWindowActive(&table.frm));
        const Board &board = table.board();
        table.lastTileLeft();
        table.roll(4, 5);
        table.sound.paths.clear();

        QTest::keyClick(table.frm.windowHandle(), Qt::Key_N, Qt::AltModifier);
        table.click(board.tiles.at(8)); // the last tile wins, and the win starts a new game
        Table::letLateClicksLand();

        QCOMPARE(table.messages.size(), 1);
        QCOMPARE(board.counters.gamesToday->text(), QStringLiteral("1"));
        QCOMPARE(table.sound.names().count(QStringLiteral("new.wav")), 1);
    }

    void oneThrowForAKeyAndAClickOnRoll_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Alt+R") << int(Qt::Key_R) << int(Qt::AltModifier);
        QTest::newRow("Enter on Roll") << int(Qt::Key_Return) << int(Qt::NoModifier);
    }
    void oneThrowForAKeyAndAClickOnRoll() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Table table;
        QVERIFY(QTest::qWaitForWindowActive(&table.frm));
        const Board &board = table.board();
        QCOMPARE(QApplication::focusWidget(), board.roll);
        table.dice.push(2, 3);
        table.dice.push(4, 4); // only for a second, unwanted throw

        QTest::keyClick(table.frm.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        table.click(board.roll); // before the key's own click has come
        Table::letLateClicksLand();

        // One throw, and it stands: Roll was unavailable when the key's click came.
        QCOMPARE(readBoard(board).sum, QStringLiteral("5"));
        QCOMPARE(table.sound.names(), QStringList{QStringLiteral("roll.wav")});
        QVERIFY(!table.dice.exhausted());
    }
};

QTEST_MAIN(TestLateClick)
#include "tst_lateclick.moc"
