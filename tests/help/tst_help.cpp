// Help > About and Help > Instructions, with the desktop's file opener intercepted.

#include "help.h"
#include "testwindow.h"

#include <QTemporaryDir>

#include <memory>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

// A game under way, to see that Help leaves it alone.
struct Window : TestWindow {
    explicit Window(const QString &programDir)
        : TestWindow(Shown, programDir) {
        underWay();
    }
};

void touch(const QString &path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("How to play\n");
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { opener = std::make_unique<UrlRecorder>(); }
    void cleanup() { opener.reset(); }

    void aboutMessageText() {
        const QString a = QStringLiteral(
            "I saw this game in a bar being played with dice.  It cost a quarter to play, and for "
            "every quarter they put in, the bar would match it.  The person who successfully "
            "cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I "
            "would write the same game (after I sobered up) to see for myself the odds of "
            "winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the "
            "name of the game (the bar didn't even know), so I gave it the name of a kewl "
            "Gravelhoof song.");
        const QString b = QStringLiteral(
            " Finally, this program is freeware.  Although if you feel the urge to help support a "
            "semi starving college student (actually, Id prefer to be paid in beer from "
            "everywhere in the world), email me pipwell@example.org for my home address");
        QCOMPARE(help::aboutMessage(), a + QStringLiteral("\r\n") + b);
        QCOMPARE(help::aboutMessage().count(QLatin1Char('\n')), 1);
        QCOMPARE(help::aboutMessage().count(QLatin1Char('\r')), 1);
    }

    void aboutBoxLeavesTheGameAlone() {
        Window w(QDir::tempPath());
        const BoardState before = w.state();
        BoxAnswerer answer;
        w.action("mnuAbout")->trigger();
        const BoxAnswerer::Box box = answer.boxes.value(0);
        QCOMPARE(box.text, help::aboutMessage());
        QCOMPARE(box.title, QStringLiteral("Quorble For President!!"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, 1);
        QCOMPARE(w.state(), before);
        QVERIFY(w.sound.paths.size() == 3); // the two rolls and the click, nothing from About
    }

    void instructionsHandTheReadmeToTheDesktopEachTime() {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("readme.txt")));
        Window w(dir.path());
        const BoardState before = w.state();
        QAction *instructions = w.action("mnuInstructions");
        instructions->trigger();
        instructions->trigger();
        const QUrl want = QUrl::fromLocalFile(dir.filePath(QStringLiteral("readme.txt")));
        QCOMPARE(opener->opened, (QList<QUrl>{want, want}));
        QCOMPARE(w.state(), before);

        // With nothing to open it: no stand-in, and no opener on the PATH (the offscreen
        // platform opens nothing anyway; on X, Qt would start xdg-open or a browser found there).
        opener.reset();
        QTemporaryDir nowhere;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(nowhere.path()));
        const qint32 result = w.frm.HyperJump(want.toLocalFile());
        qputenv("PATH", path);
        QCOMPARE(result, help::kNoAssociation);
        QCOMPARE(w.state(), before);
    }

    void missingReadmeChangesNothing() {
        QTemporaryDir dir;
        Window w(dir.path());
        const BoardState before = w.state();
        QCOMPARE(w.frm.HyperJump(dir.filePath(QStringLiteral("readme.txt"))), 2);
        w.frm.mnuInstructions_Click();
        QVERIFY(opener->opened.isEmpty());
        QCOMPARE(w.state(), before);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // The path goes to the desktop as a file URL, never through a shell.
    void awkwardPathsReachTheDesktopUnchanged_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("read me now.txt");
        QTest::newRow("quotes") << QStringLiteral("it's \"the\" readme.txt");
        QTest::newRow("non-ASCII") << QStringLiteral("Spielanleitung für Würfel ŋ.txt");
        QTest::newRow("command") << QStringLiteral("$(touch pwned) `touch pwned`; touch pwned.txt");
        QTest::newRow("percent and hash") << QStringLiteral("100% #1 ?.txt");
    }
    void awkwardPathsReachTheDesktopUnchanged() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("a $(touch pwned) folder"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(name);
        touch(path);
        QVERIFY(help::hyperJump(path) > 32);
        QCOMPARE(opener->opened.size(), 1);
        QCOMPARE(opener->opened.first().toLocalFile(), path);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("pwned"))));
        QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("pwned"))));
        QVERIFY(!QFile::exists(QDir(folder).filePath(QStringLiteral("pwned"))));
    }

    // The readme in the first of the locale's languages that has one; English otherwise.
    void readmeInThePlayersLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringLiteral("de_DE") << QStringLiteral("readme.de.txt");
        QTest::newRow("Brazilian") << QStringLiteral("pt_BR") << QStringLiteral("readme.pt_BR.txt");
        QTest::newRow("Portuguese, none")
            << QStringLiteral("pt_PT") << QStringLiteral("readme.txt");
        QTest::newRow("French, a folder")
            << QStringLiteral("fr_FR") << QStringLiteral("readme.txt");
        QTest::newRow("English") << QStringLiteral("en_US") << QStringLiteral("readme.txt");
        QTest::newRow("C") << QStringLiteral("C") << QStringLiteral("readme.txt");
    }
    void readmeInThePlayersLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        for (const char *name : {"readme.txt", "readme.de.txt", "readme.pt_BR.txt"})
            touch(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("readme.fr.txt")));
        QCOMPARE(help::readmePath(dir.path(), QLocale(locale)), dir.filePath(chosen));
    }

private:
    std::unique_ptr<UrlRecorder> opener;
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
