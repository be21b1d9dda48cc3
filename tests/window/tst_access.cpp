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

// What a screen reader is told without a change of focus: the words of each polite
// announcement (Qt 6.8), or of each notification as it appears (before).
struct Listener : QObject {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    explicit Listener(QWidget *window) {
        QVERIFY(window->findChild<QWidget *>(QStringLiteral("announcement")) == nullptr);
        current = this;
        QAccessible::setActive(true);
        previous = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (event->type() != QAccessible::Announcement)
                return;
            const auto *announced = static_cast<QAccessibleAnnouncementEvent *>(event);
            QCOMPARE(announced->politeness(), QAccessible::AnnouncementPoliteness::Polite);
            current->said << announced->message();
        });
    }
    ~Listener() override {
        QAccessible::installUpdateHandler(previous);
    }
    static inline Listener *current = nullptr;
    QAccessible::UpdateHandler previous = nullptr;
#else
    explicit Listener(QWidget *window) {
        window->findChild<QWidget *>(QStringLiteral("announcement"))->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override {
        QAccessibleInterface *iface = accessible(static_cast<QWidget *>(watched));
        if (event->type() == QEvent::Show && iface->role() == QAccessible::Notification)
            said << iface->text(QAccessible::Name);
        return false;
    }
#endif
    QString last() const {
        return said.value(said.size() - 1);
    }
    QStringList said;
};

// Each widget the focus comes to, in order: a screen reader names every one.
struct FocusTrail {
    FocusTrail() {
        QObject::connect(qApp, &QApplication::focusChanged, &alive,
                         [this](QWidget *, QWidget *now) {
                             if (now != nullptr)
                                 came << now;
                         });
    }
    QObject alive;
    QWidgetList came;
};

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
        bool textFocusable = true;
        QAccessible::Role role = QAccessible::NoRole;
        BoxAnswerer reader;
        reader.onBox = [&](QMessageBox *box) {
            QAccessibleInterface *iface = accessible(box);
            role = iface->role();
            // the text sits in a child label, which Orca reads out with the alert only where
            // it cannot take the focus
            for (int i = 0; i < iface->childCount(); ++i) {
                const QString text = iface->child(i)->text(QAccessible::Name);
                if (text.startsWith(QLatin1String("I saw this game"))) {
                    name = text;
                    textFocusable = iface->child(i)->state().focusable;
                }
            }
        };
        w.frm.mnuAbout_Click();
        QCOMPARE(role, QAccessible::AlertMessage);
        QVERIFY(name.endsWith(QLatin1String("for my home address")));
        QVERIFY(!textFocusable);
    }

    void playedWithTheKeyboardAlone() {
        TestWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.frm));
        const Board &board = w.board();
        QCOMPARE(QApplication::focusWidget(), board.roll);
        w.dice.push(2, 6);
        FocusTrail focus;
        key(Qt::Key_Space); // Roll has the focus
        QTRY_COMPARE(board.sum->text(), QStringLiteral("8"));
        // Roll, disabled by its own press, hands its focus to no button on the way.
        QCOMPARE(focus.came, QWidgetList{board.tiles.at(1)});
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

    // Every move is heard wherever the focus is, in the order of the turn, and the focus
    // waits where the next move is; 0 tells the whole board.
    void movesAreSpokenAndTheFocusFollows() {
        TestWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.frm));
        const Board &board = w.board();
        Listener reader(&w.frm);
        const QStringList &said = reader.said;
        const auto last = [&] { return reader.last(); };
        int saidBeforeMessage = -1;
        QString boardUnderMessage;
        QWidget *focusUnderMessage = nullptr;
        w.onMessage = [&] {
            saidBeforeMessage = int(said.size());
            boardUnderMessage = accessible(board.newGame)->text(QAccessible::Description);
            focusUnderMessage = QApplication::focusWidget();
        };
        w.roll(5, 4);
        QCOMPARE(last(), QStringLiteral("Rolled 5 and 4, sum 9."));
        QCOMPARE(QApplication::focusWidget(), board.tiles.at(3)); // the first tile it shuts
        QCOMPARE(accessible(board.die1)->text(QAccessible::Name), QStringLiteral("Die 1: 5"));
        key(Qt::Key_9);
        QCOMPARE(last(), QStringLiteral("Tile 9 shut."));
        QCOMPARE(QApplication::focusWidget(), board.roll);
        key(Qt::Key_0);
        QCOMPARE(last(), QStringLiteral("Open tiles: 1, 2, 3, 4, 5, 6, 7, 8. Shut tiles: 9. "
                                        "Waiting for a roll."));
        QCOMPARE(accessible(board.roll)->text(QAccessible::Description), last());

        for (int n : {1, 2, 3, 6}) // then 1 and 2 against tiles 4, 5, 7 and 8 alone
            w.shut(n, n, n);
        const int before = int(said.size());
        w.roll(1, 2);
        // A stuck throw is heard once: in the board that New Game reads out as it takes the focus.
        QCOMPARE(said.size(), before);
        QCOMPARE(QApplication::focusWidget(), board.newGame);
        QVERIFY(accessible(board.newGame)
                    ->text(QAccessible::Description)
                    .endsWith(QStringLiteral("Rolled 1 and 2, sum 3. "
                                             "No open tile matches: choose New Game.")));
        FocusTrail focus;
        key(Qt::Key_Space);
        QTRY_COMPARE(last(), QStringLiteral("New game: all nine tiles are open."));
        QCOMPARE(QApplication::focusWidget(), board.roll);
        QCOMPARE(focus.came, QWidgetList{board.roll}); // past no other button
        // Where New Game has the focus already, nothing is read out, so the throw is announced.
        for (int n : {1, 2, 3, 6})
            w.shut(n, n, n);
        board.newGame->setFocus();
        w.roll(1, 2);
        QCOMPARE(last(), QStringLiteral("Rolled 1 and 2, sum 3. "
                                        "No open tile matches: choose New Game."));
        key(Qt::Key_Space);

        w.lastTileLeft();
        w.roll(4, 5);
        QCOMPARE(QApplication::focusWidget(), board.tiles.at(8));
        focus.came.clear();
        key(Qt::Key_Space); // the win: the shut tile before the message, the new game after it
        QCOMPARE(w.messages.size(), 1);
        // The shut tile's focus passes down no Tab chain: nothing holds it under the message,
        // and it comes to Roll alone.
        QVERIFY2(qobject_cast<QAbstractButton *>(focusUnderMessage) == nullptr,
                 focusUnderMessage ? qPrintable(focusUnderMessage->objectName()) : "");
        QCOMPARE(focus.came, QWidgetList{board.roll});
        QCOMPARE(said.value(saidBeforeMessage - 1), QStringLiteral("Tile 9 shut."));
        QCOMPARE(said.size(), saidBeforeMessage + 1);
        // What the focus reads as the box hands it back is the board under the box.
        QCOMPARE(boardUnderMessage,
                 QStringLiteral("Shut tiles: 1, 2, 3, 4, 5, 6, 7, 8, 9. Waiting for a roll."));
        QCOMPARE(last(), QStringLiteral("New game: all nine tiles are open."));
        QCOMPARE(QApplication::focusWidget(), board.roll);
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
