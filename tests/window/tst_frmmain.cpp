// The window as the player first sees it: every control, the menus, start-up and the exits.

#include "crispicon.h"
#include "odds.h"
#include "platform.h"
#include "testwindow.h"
#include "wavbytes.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

struct Control {
    const char *name;
    const char *kind;
    const char *parent;
    QRect twips; // left, top, width, height
    const char *text;
    bool visible;
    bool enabled;
};

// In the order the window creates them: an earlier control stands in front of a later one.
const Control controls[] = {
    {"cmdQuit", "QToolButton", "centralwidget", {2760, 1560, 1095, 975}, "&Exit", true, true},
    {"tileFrame", "QGroupBox", "centralwidget", {120, 0, 8895, 1335}, "", true, true},
    {"Command9", "QPushButton", "tileFrame", {7800, 240, 855, 855}, "", true, true},
    {"Command8", "QPushButton", "tileFrame", {6840, 240, 855, 855}, "", true, true},
    {"Command7", "QPushButton", "tileFrame", {5880, 240, 855, 855}, "", true, true},
    {"Command6", "QPushButton", "tileFrame", {4920, 240, 855, 855}, "", true, true},
    {"Command5", "QPushButton", "tileFrame", {3960, 240, 855, 855}, "", true, true},
    {"Command4", "QPushButton", "tileFrame", {3000, 240, 855, 855}, "", true, true},
    {"Command3", "QPushButton", "tileFrame", {2040, 240, 855, 855}, "", true, true},
    {"Command1", "QPushButton", "tileFrame", {120, 240, 855, 855}, "", true, true},
    {"Command2", "QPushButton", "tileFrame", {1080, 240, 855, 855}, "", true, true},
    {"Text2", "QLineEdit", "tileFrame", {1080, 480, 855, 285}, "2", true, true},
    {"Text1", "QLineEdit", "tileFrame", {120, 360, 735, 285}, "1", true, true},
    {"Text3", "QLineEdit", "tileFrame", {2040, 480, 855, 285}, "3", true, true},
    {"Text4", "QLineEdit", "tileFrame", {3000, 480, 735, 285}, "4", true, true},
    {"Text5", "QLineEdit", "tileFrame", {4080, 480, 615, 285}, "5", true, true},
    {"Text6", "QLineEdit", "tileFrame", {5040, 480, 615, 285}, "6", true, true},
    {"Text7", "QLineEdit", "tileFrame", {6000, 600, 615, 285}, "7", true, true},
    {"Text8", "QLineEdit", "tileFrame", {7080, 480, 375, 285}, "8", true, true},
    {"Text9", "QLineEdit", "tileFrame", {7920, 480, 615, 285}, "9", true, true},
    {"Shape13", "QFrame", "tileFrame", {240, 360, 8535, 855}, "", true, true},
    {"cmdReset", "QToolButton", "centralwidget", {1440, 1560, 1095, 975}, "&New Game", true, false},
    {"cmdRoll", "QToolButton", "centralwidget", {120, 1560, 1095, 975}, "&Roll", true, true},
    {"Frame1",
     "QGroupBox",
     "centralwidget",
     {4440, 1560, 4575, 975},
     "Choose a number above from the following choices:",
     true,
     true},
    {"die1_txt", "QLineEdit", "Frame1", {360, 420, 855, 360}, "", true, true},
    {"die2_txt", "QLineEdit", "Frame1", {1800, 405, 855, 360}, "", true, true},
    {"dietotal_txt", "QLineEdit", "Frame1", {3240, 405, 855, 360}, "", true, true},
    {"Shape12", "QFrame", "Frame1", {3360, 480, 855, 375}, "", true, true},
    {"Shape11", "QFrame", "Frame1", {1920, 480, 855, 375}, "", true, true},
    {"Shape10", "QFrame", "Frame1", {480, 480, 855, 375}, "", true, true},
    {"Label2", "QLabel", "Frame1", {2880, 480, 255, 375}, "=", true, true},
    {"Label1", "QLabel", "Frame1", {1440, 480, 255, 375}, "+", true, true},
    {"Text10", "QLineEdit", "centralwidget", {-960, 4440, 975, 285}, "", false, true},
    {"d1p1", "QLabel", "centralwidget", {3120, 3240, 795, 795}, "", false, true},
    {"d1p3", "QLabel", "centralwidget", {3120, 3240, 795, 795}, "", false, true},
    {"d1p6", "QLabel", "centralwidget", {3120, 3240, 795, 795}, "", false, true},
    {"d1p2", "QLabel", "centralwidget", {3120, 3240, 795, 795}, "", false, true},
    {"d1p4", "QLabel", "centralwidget", {3120, 3240, 795, 795}, "", false, true},
    {"d1p5", "QLabel", "centralwidget", {3120, 3240, 795, 795}, "", false, true},
    {"d2p2", "QLabel", "centralwidget", {4440, 3240, 795, 795}, "", false, true},
    {"Frame2", "QGroupBox", "centralwidget", {360, 5040, 2055, 3135}, "Stats:", false, true},
    {"txtWin", "QLineEdit", "Frame2", {480, 2520, 1095, 375}, "0", true, true},
    {"txtTotal", "QLineEdit", "Frame2", {480, 1680, 1095, 375}, "0", true, true},
    {"txtStats", "QLineEdit", "Frame2", {480, 720, 1095, 375}, "0", true, true},
    {"Shape9", "QFrame", "Frame2", {600, 2640, 1095, 375}, "", true, true},
    {"Shape8", "QFrame", "Frame2", {600, 1800, 1095, 375}, "", true, true},
    {"Shape7", "QFrame", "Frame2", {600, 840, 1095, 375}, "", true, true},
    {"Label6", "QLabel", "Frame2", {240, 2280, 1695, 375}, "Total # of games won:", true, true},
    {"Label5", "QLabel", "Frame2", {120, 1440, 1815, 375}, "Total # of games played:", true, true},
    {"Label3", "QLabel", "Frame2", {120, 480, 1815, 375}, "# of games played today:", true, true},
    {"d2p1", "QLabel", "centralwidget", {4440, 3240, 795, 795}, "", false, true},
    {"d2p3", "QLabel", "centralwidget", {4440, 3240, 795, 795}, "", false, true},
    {"d2p4", "QLabel", "centralwidget", {4440, 3240, 795, 795}, "", false, true},
    {"d2p5", "QLabel", "centralwidget", {4440, 3240, 795, 795}, "", false, true},
    {"d2p6", "QLabel", "centralwidget", {4440, 3240, 795, 795}, "", false, true},
    {"Shape6", "QFrame", "centralwidget", {240, 4920, 1935, 3015}, "", false, true},
    {"Shape5", "QFrame", "centralwidget", {360, 240, 8775, 1215}, "", true, true},
    {"Shape4", "QFrame", "centralwidget", {4560, 1920, 4575, 735}, "", true, true},
    {"Shape3", "QFrame", "centralwidget", {2880, 1680, 1095, 975}, "", true, true},
    {"Shape2", "QFrame", "centralwidget", {1560, 1680, 1095, 975}, "", true, true},
    {"Shape1", "QFrame", "centralwidget", {240, 1680, 1095, 975}, "", true, true},
};

QRect pixels(const QRect &twips) {
    return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15};
}

QString textOf(const QWidget *w) {
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (const auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (const auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    return {};
}

bool drawnBeneath(const QWidget *w) {
    // Shapes and labels are painted on their container, under everything else in it.
    return w->objectName().startsWith(QLatin1String("Shape")) ||
           w->objectName().startsWith(QLatin1String("Label"));
}

} // namespace

class TestFrmMain : public DesignedLook {
    Q_OBJECT
private Q_SLOTS:
    void everyControlAsDesigned() {
        TestWindow w(TestWindow::Hidden);
        QSet<QString> named;
        for (QWidget *child : w.frm.centralWidget()->findChildren<QWidget *>()) {
            if (!child->objectName().isEmpty() &&
                !child->objectName().startsWith(QLatin1String("qt_")))
                named.insert(child->objectName());
        }
        QCOMPARE(named.size(), int(std::size(controls)));
        for (const Control &c : controls) {
            const QString name = QString::fromLatin1(c.name);
            QWidget *widget = w.find(c.name);
            QCOMPARE(QString::fromLatin1(widget->metaObject()->className()) + u' ' + name,
                     QString::fromLatin1(c.kind) + u' ' + name);
            QCOMPARE(widget->parentWidget()->objectName() + u' ' + name,
                     QString::fromLatin1(c.parent) + u' ' + name);
            QCOMPARE(widget->geometry(), pixels(c.twips));
            QCOMPARE(textOf(widget), QString::fromLatin1(c.text));
            QVERIFY2(widget->isHidden() != c.visible, c.name);
            QVERIFY2(widget->isEnabled() == c.enabled, c.name);
        }
        QCOMPARE(w.frm.windowTitle(), QStringLiteral("Pipwell"));
        QCOMPARE(w.frm.centralWidget()->size(), QSize(615, 293));
        QCOMPARE(w.frm.minimumSize(), w.frm.maximumSize());
        QVERIFY(!w.frm.windowIcon().isNull());
    }

    void earlierControlsStandInFront() {
        TestWindow w(TestWindow::Hidden);
        for (const Control &front : controls) {
            QWidget *a = w.find(front.name);
            const QObjectList &siblings = a->parentWidget()->children();
            bool later = false;
            for (const Control &back : controls) {
                if (&back == &front) {
                    later = true;
                    continue;
                }
                QWidget *b = w.find(back.name);
                if (b->parentWidget() != a->parentWidget())
                    continue;
                const bool aUnder = drawnBeneath(a);
                const bool bUnder = drawnBeneath(b);
                // later in the child list paints on top
                const bool aOnTop = siblings.indexOf(a) > siblings.indexOf(b);
                if (aUnder != bUnder)
                    QVERIFY2(aOnTop == bUnder, qPrintable(QStringLiteral("%1 / %2").arg(
                                                   a->objectName(), b->objectName())));
                else if (later)
                    QVERIFY2(
                        aOnTop,
                        qPrintable(
                            QStringLiteral("%1 before %2").arg(a->objectName(), b->objectName())));
            }
        }
    }

    void looksAsDesigned() {
        TestWindow w(TestWindow::Hidden);
        for (const char *name : {"die1_txt", "die2_txt", "dietotal_txt"}) {
            auto *box = w.find<QLineEdit>(name);
            QCOMPARE(box->font().family(), QStringLiteral("DejaVu Sans Mono"));
            QCOMPARE(box->font().pointSize(), 12);
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        }
        for (const char *name : {"txtStats", "txtTotal", "txtWin"}) {
            auto *box = w.find<QLineEdit>(name);
            QCOMPARE(box->font().family(), QStringLiteral("DejaVu Sans"));
            QVERIFY(box->font().bold());
            QVERIFY(box->isReadOnly());
        }
        for (const char *name : {"Label1", "Label2"})
            QCOMPARE(w.find(name)->font().pointSize(), 12);
        QCOMPARE(w.find("cmdQuit")->font().family(), QStringLiteral("DejaVu Sans"));
        for (int n = 1; n <= 9; ++n) {
            auto *number = w.find<QLineEdit>(qPrintable(QStringLiteral("Text%1").arg(n)));
            QVERIFY(number->isReadOnly());
            QCOMPARE(number->focusPolicy(), Qt::NoFocus);
        }
        for (const char *name : {"cmdRoll", "cmdReset", "cmdQuit", "Command1", "Command9"}) {
            auto *button = w.find<QAbstractButton>(name);
            QCOMPARE(button->iconSize(), QSize(32, 32));
            QCOMPARE(button->icon().pixmap(32, 32).size(), QSize(32, 32));
            // Shut or unavailable it is greyed, also once its open picture was drawn.
            QVERIFY(button->icon().pixmap(32, 32, QIcon::Disabled).toImage() !=
                    button->icon().pixmap(32, 32).toImage());
            // Painted by a style on a 2x screen: the picture enlarged by whole pixels.
            QImage screen(64, 64, QImage::Format_ARGB32_Premultiplied);
            screen.setDevicePixelRatio(2);
            screen.fill(Qt::transparent);
            QPainter painter(&screen);
            button->icon().paint(&painter, QRect(0, 0, 32, 32));
            painter.end();
            const QString picture = QString::fromLatin1(name).startsWith(u"Command")
                                        ? QStringLiteral("tile") + QLatin1String(name).back()
                                        : QString::fromLatin1(name + 3).toLower();
            const QImage sharp =
                enlarged(readPicture(QStringLiteral(":/pictures/%1.png").arg(picture), "png"), 2)
                    .toImage()
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(screen, sharp);
        }
        for (int k = 1; k <= 6; ++k) {
            for (int die = 1; die <= 2; ++die) {
                auto *face = w.find<QLabel>(qPrintable(QStringLiteral("d%1p%2").arg(die).arg(k)));
                QCOMPARE(face->pixmap().size(), QSize(49, 49));
                QCOMPARE(face->contentsRect().size(), QSize(49, 49));
            }
        }
    }

    void tileTooltipsCountTheThrowsThatShutThem() {
        TestWindow w(TestWindow::Hidden);
        const char *shown[] = {"11", "12", "13", "14", "15", "16", "6", "5", "4"};
        for (int n = 1; n <= 9; ++n) {
            auto *tile = w.find(qPrintable(QStringLiteral("Command%1").arg(n)));
            QCOMPARE(tile->toolTip(), QString::number(throwsThatShut(n)));
            QCOMPARE(tile->toolTip(), QString::fromLatin1(shown[n - 1]));
        }
    }

    void menusAsDesigned() {
        TestWindow w(TestWindow::Hidden);
        const QList<QAction *> top = w.frm.menuBar()->actions();
        QCOMPARE(top.size(), 3);
        const QStringList titles{QStringLiteral("File"), QStringLiteral("Options"),
                                 QStringLiteral("Help")};
        const QList<QStringList> items{
            {QStringLiteral("mnuReset"), QStringLiteral("mnuExit")},
            {QStringLiteral("mnusounds")},
            {QStringLiteral("mnuInstructions"), QStringLiteral("mnuAbout")}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(top.at(i)->text(), titles.at(i));
            QStringList names;
            for (QAction *item : top.at(i)->menu()->actions()) {
                names << item->objectName();
                QVERIFY(item->shortcut().isEmpty());
                QVERIFY(!item->text().contains(QLatin1Char('&')));
                QVERIFY(!item->isSeparator());
            }
            QCOMPARE(names, items.at(i));
        }
        QVERIFY(top.at(0)->isEnabled());
        QVERIFY(!top.at(1)->isEnabled()); // Options cannot be opened
        QVERIFY(top.at(2)->isEnabled());
        QVERIFY(!w.action("mnuReset")->isEnabled());
        QCOMPARE(w.action("mnuReset")->text(), QStringLiteral("Reset Stats"));
        QCOMPARE(w.action("mnuExit")->text(), QStringLiteral("Exit"));
        QCOMPARE(w.action("mnusounds")->text(), QStringLiteral("Sounds"));
        QVERIFY(w.action("mnusounds")->isChecked());
        QCOMPARE(w.action("mnuInstructions")->text(), QStringLiteral("Instructions"));
        QCOMPARE(w.action("mnuAbout")->text(), QStringLiteral("About"));
    }

    void soundsHandlerFlipsTheCheckMark() {
        TestWindow w(TestWindow::Hidden);
        QAction *sounds = w.action("mnusounds");
        w.frm.mnusounds_Click();
        QVERIFY(!sounds->isChecked());
        w.frm.mnusounds_Click();
        QVERIFY(sounds->isChecked());
        sounds->trigger(); // as the menu would: one flip, not two
        QVERIFY(!sounds->isChecked());
    }

    void startUpPlaysTheIntroBeforeTheWindowShows() {
        TestWindow w(TestWindow::Hidden);
        QList<bool> shownWhilePlaying;
        w.sound.onPlay = [&](const QString &) { shownWhilePlaying << w.frm.isVisible(); };
        w.frm.loadAndShow();
        QCOMPARE(w.sound.paths, QStringList{QStringLiteral("/opt/pipwell/intro.wav")});
        QCOMPARE(shownWhilePlaying, QList<bool>{false});
        QVERIFY(w.frm.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&w.frm));
        QCOMPARE(QApplication::focusWidget(), w.find("cmdRoll"));
    }

    void introSoundOffStillPlays() {
        TestWindow w(TestWindow::Hidden);
        w.action("mnusounds")->setChecked(false);
        w.frm.loadAndShow();
        QCOMPARE(w.sound.names(), QStringList{QStringLiteral("intro.wav")});
    }

    // The platform for each kind of session; the compositor is asked only where its answer
    // decides.
    void platformChoice_data() {
        QTest::addColumn<QStringList>("env");
        QTest::addColumn<bool>("plugin");
        QTest::addColumn<bool>("drawsTitleBars");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<bool>("asked");
        const auto desktop = [](const char *name) {
            return QStringList{QStringLiteral("DISPLAY=:0"),
                               QStringLiteral("WAYLAND_DISPLAY=wayland-0"),
                               QStringLiteral("XDG_CURRENT_DESKTOP=") + QLatin1String(name)};
        };
        const QByteArray x = "xcb";
        const QByteArray wayland = "wayland";
        QTest::newRow("GNOME") << desktop("GNOME") << true << false << x << true;
        QTest::newRow("KDE") << desktop("KDE") << true << true << wayland << true;
        QTest::newRow("weston") << desktop("weston") << true << false << x << true;
        QTest::newRow("sway") << desktop("sway") << true << true << wayland << true;
        QTest::newRow("KDE, no plugin") << desktop("KDE") << false << true << x << false;
        QTest::newRow("no XWayland") << QStringList{QStringLiteral("XDG_SESSION_TYPE=wayland")}
                                     << true << false << wayland << false;
        QTest::newRow("X only") << QStringList{QStringLiteral("DISPLAY=:0")} << true << true << x
                                << false;
        QTest::newRow("explicit") << desktop("KDE") +
                                         QStringList{QStringLiteral("QT_QPA_PLATFORM=xcb")}
                                  << true << true << QByteArray() << false;
        QTest::newRow("no display") << QStringList() << true << true << QByteArray() << false;
    }
    void platformChoice() {
        QFETCH(QStringList, env);
        QFETCH(bool, plugin);
        QFETCH(bool, drawsTitleBars);
        QProcessEnvironment environment;
        for (const QString &variable : std::as_const(env))
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        bool asked = false;
        const QByteArray platform = choosePlatform(
            environment, [&] { return plugin; },
            [&] {
                asked = true;
                return drawsTitleBars;
            });
        QTEST(platform, "platform");
        QTEST(asked, "asked");
    }

    // The Wayland plugin asked of the real Qt: found by its metadata wherever Qt looks, under
    // any file name, and not found where Qt's folders hold no such plugin.
    void waylandPluginAskedOfQt_data() {
        QTest::addColumn<bool>("qtsOwnFolder");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("placed");
        QTest::addColumn<bool>("installed");
        const QString path = QStringLiteral("QT_PLUGIN_PATH");
        QTest::newRow("Qt's own folder") << true << QString() << QString() << true;
        QTest::newRow("Qt's folders empty") << false << QString() << QString() << false;
        QTest::newRow("QT_PLUGIN_PATH, another name") << false << path << "wayland" << true;
        QTest::newRow("QT_QPA_PLATFORM_PLUGIN_PATH")
            << false << QStringLiteral("QT_QPA_PLATFORM_PLUGIN_PATH") << "wayland" << true;
        QTest::newRow("X's plugin only") << false << path << "xcb" << false;
        QTest::newRow("no plugin under the old name") << false << path << "fake" << false;
    }
    void waylandPluginAskedOfQt() {
        QFETCH(bool, qtsOwnFolder);
        QFETCH(QString, variable);
        QFETCH(QString, placed);
        const QString qtPlugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
        const auto realPlugin = [&](const QStringList &names) {
            for (const QString &name : names) {
                if (QFileInfo::exists(qtPlugins + QStringLiteral("/platforms/") + name))
                    return qtPlugins + QStringLiteral("/platforms/") + name;
            }
            return QString();
        };
        // Qt 6.10 and later, and before.
        const QString wayland = realPlugin(
            {QStringLiteral("libqwayland.so"), QStringLiteral("libqwayland-generic.so")});
        QVERIFY2(!wayland.isEmpty(), "qt6-wayland comes with the build's dependencies");

        QTemporaryDir scratch;
        QVERIFY(QDir(scratch.path()).mkpath(QStringLiteral("qt/platforms")));
        QVERIFY(QDir(scratch.path()).mkpath(QStringLiteral("more/platforms")));
        const QString to =
            scratch.filePath(QStringLiteral("more/platforms/libqwayland-generic.so"));
        if (placed == u"wayland")
            QVERIFY(QFile::copy(
                wayland, scratch.filePath(QStringLiteral("more/platforms/libgame-test.so"))));
        else if (placed == u"xcb")
            QVERIFY(QFile::copy(realPlugin({QStringLiteral("libqxcb.so")}), to));
        else if (placed == u"fake")
            QVERIFY(writeBytes(to, QByteArrayLiteral("no plugin")));
        QProcessEnvironment env;
        if (variable == u"QT_PLUGIN_PATH") {
            env.insert(variable, scratch.filePath(QStringLiteral("nothing")) +
                                     QDir::listSeparator() +
                                     scratch.filePath(QStringLiteral("more")));
        } else if (!variable.isEmpty()) {
            env.insert(variable, scratch.filePath(QStringLiteral("more/platforms")));
        }
        QTEST(waylandPluginInstalled(env, qtsOwnFolder ? qtPlugins
                                                       : scratch.filePath(QStringLiteral("qt"))),
              "installed");
    }

    void threeWaysOut_data() {
        QTest::addColumn<int>("route");
        QTest::newRow("Exit button") << 0;
        QTest::newRow("File > Exit") << 1;
        QTest::newRow("close box") << 2;
        QTest::newRow("Alt+E") << 3;
    }
    void threeWaysOut() {
        QFETCH(int, route);
        TestWindow w(TestWindow::Hidden);
        w.frm.loadAndShow();
        QVERIFY(QTest::qWaitForWindowActive(&w.frm));
        switch (route) {
        case 0:
            QTest::mouseClick(w.find("cmdQuit"), Qt::LeftButton);
            break;
        case 1:
            w.action("mnuExit")->trigger();
            break;
        case 2:
            w.frm.windowHandle()->close();
            break;
        default:
            QTest::keyClick(&w.frm, Qt::Key_E, Qt::AltModifier);
            break;
        }
        QTRY_VERIFY(!w.frm.isVisible());
        QCOMPARE(w.sound.names(),
                 QStringList{QStringLiteral("intro.wav")}); // nothing played on the way out
    }

    void accessKeys() {
        TestWindow w(TestWindow::Hidden);
        w.frm.loadAndShow();
        QVERIFY(QTest::qWaitForWindowActive(&w.frm));
        const Board &board = w.frm.board();
        QTest::keyClick(&w.frm, Qt::Key_N, Qt::AltModifier); // New Game is disabled: nothing
        QTest::qWait(200);
        QVERIFY(w.sound.names().count(QStringLiteral("new.wav")) == 0);
        w.dice.push(2, 3);
        QTest::keyClick(&w.frm, Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(board.sum->text(), QStringLiteral("5"));
        QTest::keyClick(&w.frm, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(board.sum->text().isEmpty());
        QVERIFY(!board.newGame->isEnabled());
    }

    void tabOrder() {
        TestWindow w(TestWindow::Hidden);
        w.frm.loadAndShow();
        QVERIFY(QTest::qWaitForWindowActive(&w.frm));
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 15; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QStringList want{QStringLiteral("cmdRoll")};
        for (int n = 1; n <= 9; ++n)
            want << QStringLiteral("Command%1").arg(n);
        want << QStringLiteral("cmdQuit") << QStringLiteral("dietotal_txt")
             << QStringLiteral("die2_txt") << QStringLiteral("die1_txt")
             << QStringLiteral("cmdRoll") << QStringLiteral("Command1");
        QCOMPARE(seen, want);
    }

    void winnerMessageIsAPlainModalBox() {
        TestWindow w(TestWindow::Shown, QStringLiteral("/opt/pipwell"), TestWindow::OwnMessageBox);
        const Board &board = w.board();
        w.lastTileLeft();
        w.roll(4, 5);
        BoxAnswerer reader;
        w.clickTile(9);
        QCOMPARE(reader.boxes.size(), 1);
        const BoxAnswerer::Box box = reader.boxes.value(0);
        QCOMPARE(box.text,
                 QStringLiteral(
                     "YOU ARE A WINNER!!!!!   So far, you have won 1 out of a total of 1 games!"));
        QCOMPARE(box.title, QStringLiteral("Pipwell"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, 1);
        QCOMPARE(readBoard(board).open, QStringLiteral("123456789"));
    }

    // Pixels of the window as drawn: the grey field, a shadow's edge, a tile's picture over
    // its hidden number box.
    void drawnAsDesigned() {
        TestWindow w(TestWindow::Hidden);
        w.frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frm));
        const QImage shot = w.frm.centralWidget()->grab().toImage();
        QCOMPARE(shot.size(), QSize(615, 293));
        QCOMPARE(shot.pixelColor(300, 200), QColor(128, 128, 128)); // open background
        // Roll's shadow: 8 px right of and below the button
        QCOMPARE(shot.pixelColor(8 + 73 + 4, 104 + 40), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(8 + 40, 104 + 65 + 4), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(8 + 73 + 4, 104 + 4),
                 QColor(128, 128, 128)); // the shadow starts 8 px down
        // Tile 1's picture (navy digit on a cyan and grey field) shows where its number box
        // (x 16 to 64, y 24 to 42) lies behind it; a box in front would be plain white there.
        int picture = 0;
        int white = 0;
        for (int y = 30; y < 42; ++y) {
            for (int x = 30; x < 58; ++x) {
                const QColor c = shot.pixelColor(x, y);
                picture += int(c == QColor(0, 0, 128) || c == QColor(0, 255, 255) ||
                               c == QColor(192, 192, 192));
                white += int(c == QColor(Qt::white));
            }
        }
        QVERIFY2(picture > 12 * 28 / 2, qPrintable(QString::number(picture)));
        QVERIFY(white < 12 * 28 / 4);
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
