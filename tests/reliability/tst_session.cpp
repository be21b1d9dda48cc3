// One whole session with the real window, from start-up to exit: the program's own message
// boxes and desktop services, scripted dice and a silent sound player. It is short on purpose,
// so that it can run under valgrind (valgrind_session.sh) and every byte it allocates is
// accounted for when it ends.

#include "frmmain.h"
#include "help.h"
#include "seams.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

// Answers every modal message box with OK and remembers what it said.
class BoxAnswerer {
public:
    BoxAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            titles << box->windowTitle();
            texts << box->text();
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start();
    }
    QStringList titles, texts;

private:
    QTimer timer_;
};

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        applyDesktopLook();
        QApplication::setApplicationName(QStringLiteral("Pipwell"));
    }

    void startPlayWinAboutExit() {
        ScriptedDice dice;
        RecordingSound sound; // silent: the session needs no sound server
        FrmMain::Services services;
        services.dice = &dice;
        services.sound = &sound;
        BoxAnswerer boxes;

        FrmMain window(services); // the program's own winner message box
        window.loadAndShow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(sound.names(), QStringList{QStringLiteral("intro.wav")});
        const Board &board = window.board();

        // A roll and one shut tile.
        dice.push(1, 2);
        QTest::mouseClick(board.roll, Qt::LeftButton);
        QCOMPARE(board.sum->text(), QStringLiteral("3"));
        QTest::mouseClick(board.tiles.at(2), Qt::LeftButton);
        QVERIFY(!board.tiles.at(2)->isEnabled());

        // The other eight, the last one wins.
        const int throws[8][3] = {{1, 1, 1}, {1, 1, 2}, {2, 2, 4}, {2, 3, 5},
                                  {3, 3, 6}, {3, 4, 7}, {4, 4, 8}, {4, 5, 9}};
        for (const auto &t : throws) {
            dice.push(t[0], t[1]);
            QTest::mouseClick(board.roll, Qt::LeftButton);
            QTest::mouseClick(board.tiles.at(t[2] - 1), Qt::LeftButton);
        }
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(boxes.texts.first(),
                 QStringLiteral(
                     "YOU ARE A WINNER!!!!!   So far, you have won 1 out of a total of 1 games!"));
        QCOMPARE(readBoard(board).open, QStringLiteral("123456789"));
        QVERIFY(dice.exhausted());

        // Help > About, answered by the timer.
        auto *about = window.findChild<QAction *>(QStringLiteral("mnuAbout"));
        QVERIFY(about != nullptr);
        about->trigger();
        QCOMPARE(boxes.titles.size(), 2);
        QCOMPARE(boxes.titles.last(), help::aboutTitle);

        // Exit.
        QTest::mouseClick(window.findChild<QAbstractButton *>(QStringLiteral("cmdQuit")),
                          Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(sound.names().count(QStringLiteral("click.wav")), 9);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
