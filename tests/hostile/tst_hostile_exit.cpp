// Leaving while the winner's message box is open, by each way out: the program ends with
// status 0, the win is counted, and nothing goes wrong while it tears down. The box is modal,
// so the mouse and the close box cannot reach the window behind it; a screen reader's press
// can. Each case runs in a program of its own that goes through start-up and the event loop
// as the game does, and reports what it saw; the test reads that report, the exit status and
// everything the program wrote to stderr.

#include "testwindow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QToolButton>

#include <cstdio>
#include <cstring>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

const char kScenarioFlag[] = "--leave-while-winner-box-open";

// The helper that sends WM_DELETE_WINDOW, as a window manager's close box does.
QString wmDeleteHelper() {
    return qEnvironmentVariable("PIPWELL_WM_DELETE");
}

bool xdotool(const QStringList &args) {
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

bool clickAt(const QPoint &global) {
    // No --sync: it waits for a move that never comes when the pointer is there already.
    return xdotool({QStringLiteral("mousemove"), QString::number(global.x()),
                    QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// Presses the control as AT-SPI does for a screen reader: through its accessible action.
bool pressAccessibly(QObject *object, const QString &childName = {}) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (iface != nullptr && !childName.isEmpty()) {
        QAccessibleInterface *found = nullptr;
        for (int i = 0; i < iface->childCount() && found == nullptr; ++i) {
            QAccessibleInterface *child = iface->child(i);
            if (child != nullptr && child->text(QAccessible::Name) == childName)
                found = child;
        }
        iface = found;
    }
    if (iface == nullptr || iface->actionInterface() == nullptr)
        return false;
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

// One way out, as the player takes it.
bool leave(FrmMain &window, const QString &route) {
    auto *quit = window.findChild<QToolButton *>(QStringLiteral("cmdQuit"));
    auto *file = window.findChild<QMenu *>(QStringLiteral("mnuFile"));
    if (route == QLatin1String("Exit button"))
        return clickAt(quit->mapToGlobal(quit->rect().center()));
    if (route == QLatin1String("File > Exit")) {
        QMenuBar *bar = window.menuBar();
        if (!clickAt(bar->mapToGlobal(bar->actionGeometry(file->menuAction()).center())))
            return false;
        // The menu opens unless the window is blocked; only then is there an Exit to click.
        QElapsedTimer clock;
        clock.start();
        while (!file->isVisible() && clock.elapsed() < 1000)
            QTest::qWait(20);
        if (!file->isVisible())
            return true;
        auto *exit = window.findChild<QAction *>(QStringLiteral("mnuExit"));
        return clickAt(file->mapToGlobal(file->actionGeometry(exit).center()));
    }
    if (route == QLatin1String("close box"))
        return QProcess::execute(wmDeleteHelper(), {QString::number(window.winId())}) == 0;
    if (route == QLatin1String("Exit button, screen reader"))
        return pressAccessibly(quit);
    if (route == QLatin1String("File > Exit, screen reader"))
        return pressAccessibly(file, QStringLiteral("Exit"));
    return false;
}

// The game as src/main.cpp runs it, with scripted dice and one game down to its last tile;
// the last tile is clicked, and while the winner's box is open the player leaves by the
// route. Prints what it saw as "REPORT key=value" lines and returns the event loop's status.
int leaveWhileWinnerBoxOpen(int argc, char **argv, const QString &route) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipwell"));
    applyDesktopLook();

    QTemporaryDir dir; // no sound files: each sound is the default beep, if heard at all
    TestWindow w(TestWindow::Hidden, dir.path(), TestWindow::OwnSound | TestWindow::OwnMessageBox);
    FrmMain &window = w.frm;
    window.loadAndShow();

    QStringList report;
    auto note = [&report](const char *key, const QString &value) {
        report << QStringLiteral("REPORT %1=%2").arg(QString::fromLatin1(key), value);
    };
    QElapsedTimer clock;
    clock.start();

    QTimer boxWatch;
    boxWatch.setInterval(20);
    QObject::connect(&boxWatch, &QTimer::timeout, &window, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        boxWatch.stop();
        note("box", box->text());
        note("left", leave(window, route) ? QStringLiteral("yes") : QStringLiteral("no"));
        // Time for a click or a screen reader's press to land.
        QTest::qWait(400);
        note("window-while-box",
             window.isVisible() ? QStringLiteral("shown") : QStringLiteral("gone"));
        note("box-after-leaving",
             box->isVisible() ? QStringLiteral("shown") : QStringLiteral("gone"));
        if (box->isVisible())
            box->button(QMessageBox::Ok)->click();
    });

    QTimer::singleShot(0, &window, [&] {
        if (!QTest::qWaitForWindowExposed(&window)) {
            note("problem", QStringLiteral("the window did not show"));
            app.exit(3);
            return;
        }
        const Board &board = window.board();
        w.lastTileLeft();
        w.dice.push(4, 5);
        board.roll->click();
        boxWatch.start();
        board.tiles.at(8)->click();
        note("board", readBoard(board).describe());
        // A way out the box kept from the window is taken again, now that it has gone.
        if (window.isVisible()) {
            note("again", QStringLiteral("yes"));
            leave(window, route);
        }
    });
    // Anything still running by now is stuck.
    QTimer::singleShot(20000, &app, [&] {
        note("problem", QStringLiteral("still running after 20 s"));
        app.exit(4);
    });

    const int status = QApplication::exec();
    note("ms", QString::number(clock.elapsed()));
    std::fputs(qPrintable(report.join(QLatin1Char('\n')) + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
    return status;
}

} // namespace

class TestHostileExit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");
        QVERIFY2(QFileInfo(wmDeleteHelper()).isExecutable(),
                 "PIPWELL_WM_DELETE names no program that sends WM_DELETE_WINDOW");
    }

    void leaveWhileWinnerBoxOpen_data() {
        QTest::addColumn<QString>("route");
        for (const char *route : {"Exit button", "File > Exit", "close box",
                                  "Exit button, screen reader", "File > Exit, screen reader"})
            QTest::newRow(route) << QString::fromLatin1(route);
    }
    void leaveWhileWinnerBoxOpen() {
        QFETCH(QString, route);
        QProcess game;
        game.start(QCoreApplication::applicationFilePath(),
                   {QString::fromLatin1(kScenarioFlag), route});
        QVERIFY2(game.waitForFinished(30000), "the game did not end");
        const QString out = QString::fromLocal8Bit(game.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(game.readAllStandardError());
        const QString seen = QStringLiteral("\nstdout:\n%1\nstderr:\n%2").arg(out, err);
        QMap<QString, QString> report;
        static const QRegularExpression line(QStringLiteral("^REPORT ([a-z-]+)=(.*)$"),
                                             QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch &m : line.globalMatch(out))
            report.insert(m.captured(1), m.captured(2));
        const QString summary =
            QStringLiteral("window while box: %1, left again: %2, %3 ms")
                .arg(report.value(QStringLiteral("window-while-box")),
                     report.value(QStringLiteral("again"), QStringLiteral("no")),
                     report.value(QStringLiteral("ms")));
        qInfo("%s", qPrintable(summary));

        QVERIFY2(game.exitStatus() == QProcess::NormalExit, qPrintable(seen));
        QVERIFY2(game.exitCode() == 0, qPrintable(seen));
        QVERIFY2(!report.contains(QStringLiteral("problem")), qPrintable(seen));
        QCOMPARE(report.value(QStringLiteral("box")),
                 TurnFlow::winnerMessage(QStringLiteral("1"), QStringLiteral("1")));
        QCOMPARE(report.value(QStringLiteral("left")), QStringLiteral("yes"));
        // The win was counted and the next game set up, whichever way the player left.
        const BoardState won = waiting(QStringLiteral("123456789"), 1, 1, 1);
        QCOMPARE(report.value(QStringLiteral("board")), won.describe());
        // Nothing that points at a fault while the program ends.
        static const QRegularExpression fault(
            QStringLiteral("destroyed while|QObject|Assertion|ASSERT|Sanitizer|runtime error|"
                           "terminate called|QThread"));
        QVERIFY2(!fault.match(err).hasMatch(), qPrintable(seen));
    }
};

int main(int argc, char **argv) {
    if (argc >= 3 && std::strcmp(argv[1], kScenarioFlag) == 0)
        return leaveWhileWinnerBoxOpen(argc, argv, QString::fromLocal8Bit(argv[2]));
    // Without an X server the xcb platform cannot start at all; say so instead of aborting.
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("xcb") &&
        qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::puts("SKIP: needs an X server (run under dev/with-test-services)");
        return 77;
    }
    QApplication app(argc, argv);
    TestHostileExit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostile_exit.moc"
