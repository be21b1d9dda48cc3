// One whole session with the real window, from start-up to exit: the program's own message
// boxes and desktop services, scripted dice and a silent sound player. It is short on purpose,
// so that it can run under valgrind (valgrind_session.sh) and every byte it allocates is
// accounted for when it ends.

#include "help.h"
#include "testwindow.h"

using namespace pipwell;
using namespace pipwell::testing;

class TestSession : public DesignedLook {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Pipwell")); }

    void startPlayWinAboutExit() {
        BoxAnswerer answerer;
        // The program's own winner message box; a silent sound player: no sound server needed.
        TestWindow w(TestWindow::Hidden, QStringLiteral("/opt/pipwell"), TestWindow::OwnMessageBox);
        FrmMain &window = w.frm;
        window.loadAndShow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(w.sound.names(), QStringList{QStringLiteral("intro.wav")});
        const Board &board = window.board();

        // A roll and one shut tile.
        w.roll(1, 2);
        QCOMPARE(board.sum->text(), QStringLiteral("3"));
        w.clickTile(3);
        QVERIFY(!board.tiles.at(2)->isEnabled());

        // The other eight, the last one wins.
        const int throws[8][3] = {{1, 1, 1}, {1, 1, 2}, {2, 2, 4}, {2, 3, 5},
                                  {3, 3, 6}, {3, 4, 7}, {4, 4, 8}, {4, 5, 9}};
        w.play(throws);
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes.first().text,
                 QStringLiteral(
                     "YOU ARE A WINNER!!!!!   So far, you have won 1 out of a total of 1 games!"));
        QCOMPARE(readBoard(board).open, QStringLiteral("123456789"));
        QVERIFY(w.dice.exhausted());

        // Help > About, answered by the timer.
        auto *about = window.findChild<QAction *>(QStringLiteral("mnuAbout"));
        QVERIFY(about != nullptr);
        about->trigger();
        QCOMPARE(answerer.boxes.size(), 2);
        QCOMPARE(answerer.boxes.last().title, help::aboutTitle());

        // Exit.
        QTest::mouseClick(window.findChild<QAbstractButton *>(QStringLiteral("cmdQuit")),
                          Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(w.sound.names().count(QStringLiteral("click.wav")), 9);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
