// What a screen reader and a keyboard player meet: names, roles, states, and play by keys.

#include "testwindow.h"

#include <QAccessible>
#include <QAccessibleInterface>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), k, m);
}

QAccessibleInterface *accessible(QWidget *w) {
    return QAccessible::queryAccessibleInterface(w);
}

} // namespace

class TestAccess : public DesignedLook {
    Q_OBJECT
private Q_SLOTS:
    void controlsHaveNamesAndStates() {
        TestWindow w;
        const Board &board = w.board();
        for (int n = 1; n <= 9; ++n) {
            QAccessibleInterface *tile = accessible(board.tiles.at(n - 1));
            QCOMPARE(tile->role(), QAccessible::Button);
            QCOMPARE(tile->text(QAccessible::Name), QStringLiteral("Tile %1").arg(n));
            QVERIFY(!tile->state().disabled);
        }
        QCOMPARE(accessible(board.roll)->text(QAccessible::Name), QStringLiteral("Roll"));
        QCOMPARE(accessible(board.newGame)->text(QAccessible::Name), QStringLiteral("New Game"));
        QVERIFY(accessible(board.newGame)->state().disabled);
        QCOMPARE(accessible(w.frm.findChild<QWidget *>(QStringLiteral("cmdQuit")))
                     ->text(QAccessible::Name),
                 QStringLiteral("Exit"));
        QCOMPARE(accessible(board.die1)->text(QAccessible::Name), QStringLiteral("Die 1"));
        QCOMPARE(accessible(board.die2)->text(QAccessible::Name), QStringLiteral("Die 2"));
        QCOMPARE(accessible(board.sum)->text(QAccessible::Name), QStringLiteral("Sum"));

        w.dice.push(4, 3);
        board.roll->click();
        board.tiles.at(6)->click(); // the sum shuts tile 7
        QVERIFY(accessible(board.tiles.at(6))->state().disabled);
        w.dice.push(6, 5);
        board.roll->click();
        QCOMPARE(accessible(board.die1)->text(QAccessible::Value), QStringLiteral("6"));
        QCOMPARE(accessible(board.sum)->text(QAccessible::Value), QStringLiteral("11"));
        // the visible faces say what they show; the hidden ones are invisible to a reader too
        QAccessibleInterface *six = accessible(board.die1Faces.at(5));
        QCOMPARE(six->text(QAccessible::Name), QStringLiteral("Die 1 shows 6"));
        QVERIFY(!six->state().invisible);
        QVERIFY(accessible(board.die1Faces.at(3))->state().invisible);
        QCOMPARE(accessible(board.die2Faces.at(4))->text(QAccessible::Name),
                 QStringLiteral("Die 2 shows 5"));
    }

    void messagesAreReadable() {
        TestWindow w;
        QString name;
        QAccessible::Role role = QAccessible::NoRole;
        BoxAnswerer reader;
        reader.onBox = [&](QMessageBox *box) {
            QAccessibleInterface *iface = accessible(box);
            role = iface->role();
            // the text sits in a child label
            for (int i = 0; i < iface->childCount(); ++i) {
                const QString text = iface->child(i)->text(QAccessible::Name);
                if (text.startsWith(QLatin1String("I saw this game")))
                    name = text;
            }
        };
        w.frm.mnuAbout_Click();
        QCOMPARE(role, QAccessible::AlertMessage);
        QVERIFY(name.endsWith(QLatin1String("for my home address")));
    }

    void playedWithTheKeyboardAlone() {
        TestWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.frm));
        const Board &board = w.board();
        QCOMPARE(QApplication::focusWidget(), board.roll);
        w.dice.push(2, 6);
        key(Qt::Key_Space); // Roll has the focus
        QTRY_COMPARE(board.sum->text(), QStringLiteral("8"));
        key(Qt::Key_8); // the digit presses its tile
        QVERIFY(!board.tiles.at(7)->isEnabled());
        QCOMPARE(board.sum->text(), QString());

        w.dice.push(1, 1);
        board.roll->setFocus();
        key(Qt::Key_Return); // Enter presses the focused button
        QTRY_COMPARE(board.sum->text(), QStringLiteral("2"));
        key(Qt::Key_8); // a shut tile takes no key
        key(Qt::Key_9); // nor does one that does not match
        QCOMPARE(readBoard(board).open, QStringLiteral("1234567"
                                                       "9"));
        QCOMPARE(board.sum->text(), QStringLiteral("2"));

        // Tab to tile 2 and press it with Enter from the keypad
        board.tiles.at(0)->setFocus();
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), board.tiles.at(1));
        QTest::keyClick(board.tiles.at(1), Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_VERIFY(!board.tiles.at(1)->isEnabled());
        QCOMPARE(w.sound.names(),
                 (QStringList{QStringLiteral("roll.wav"), QStringLiteral("click.wav"),
                              QStringLiteral("roll.wav"), QStringLiteral("click.wav")}));
    }

    void digitsPlayAWholeGame() {
        TestWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.frm));
        for (const auto &t : kWinningThrows) {
            w.dice.push(t[0], t[1]);
            w.board().roll->click();
            QTest::keyClick(&w.frm, Qt::Key(Qt::Key_0 + t[2]));
        }
        QCOMPARE(w.messages.size(), 1);
        QCOMPARE(readBoard(w.board()).open, QStringLiteral("123456789"));
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
