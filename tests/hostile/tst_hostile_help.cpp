// Help > Instructions when the readme beside the program is not a readable file. A player
// expects the instructions or nothing: a folder, a pipe or a file nobody may read is no
// text to show, and handing it over only makes the desktop open a file manager, hang an
// editor on the pipe or show a permission error. The game itself must not change either way.

#include "frmmain.h"
#include "hostile.h"
#include "seams.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

using namespace pipwell;
using namespace pipwell::testing;

// Stands in for the desktop: records what it was asked to open.
class Desktop : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

namespace {

enum class Readme { Folder, Unreadable, Fifo, DanglingLink, LinkToFile };

bool plantReadme(const QDir &dir, Readme kind) {
    const QString path = dir.filePath(QStringLiteral("readme.txt"));
    const QString text = dir.filePath(QStringLiteral("instructions.txt"));
    switch (kind) {
    case Readme::Folder:
        return dir.mkdir(QStringLiteral("readme.txt"));
    case Readme::Unreadable: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("How to play\n") > 0 &&
               file.setPermissions(QFileDevice::Permissions());
    }
    case Readme::Fifo:
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Readme::DanglingLink:
        return QFile::link(dir.filePath(QStringLiteral("gone.txt")), path);
    case Readme::LinkToFile: {
        QFile file(text);
        return file.open(QIODevice::WriteOnly) && file.write("How to play\n") > 0 &&
               QFile::link(text, path);
    }
    }
    return false;
}

} // namespace

class TestHostileHelp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyDesktopLook(); }

    void instructionsOpenOnlyAReadableFile_data() {
        QTest::addColumn<Readme>("kind");
        QTest::addColumn<bool>("handedOver");
        QTest::newRow("folder") << Readme::Folder << false;
        QTest::newRow("no read permission") << Readme::Unreadable << false;
        QTest::newRow("fifo") << Readme::Fifo << false;
        QTest::newRow("dangling symlink") << Readme::DanglingLink << false;
        // Also shows that the desktop stand-in sees what is handed over.
        QTest::newRow("symlink to the instructions") << Readme::LinkToFile << true;
    }
    void instructionsOpenOnlyAReadableFile() {
        QFETCH(Readme, kind);
        QFETCH(bool, handedOver);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(plantReadme(QDir(dir.path()), kind));
        const QString readme = dir.filePath(QStringLiteral("readme.txt"));
        if (kind == Readme::Unreadable && canRead(readme))
            PIPWELL_RERUN_WITHOUT_READ_OVERRIDE("instructionsOpenOnlyAReadableFile");

        Desktop desktop;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
        ScriptedDice dice;
        RecordingSound sound;
        FrmMain::Services services;
        services.dice = &dice;
        services.sound = &sound;
        services.programDir = dir.path();
        QStringList announced;
        services.announce = [&](const QString &text) { announced << text; };
        FrmMain frm(services);
        frm.show();
        // A game under way: one tile shut, dice on the table.
        dice.push(2, 6);
        frm.board().roll->click();
        frm.board().tiles.at(7)->click();
        dice.push(1, 3);
        frm.board().roll->click();
        const BoardState before = readBoard(frm.board());
        const QStringList soundsBefore = sound.names();

        frm.findChild<QAction *>(QStringLiteral("mnuInstructions"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

        if (handedOver) {
            QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(readme)});
        } else {
            QCOMPARE(desktop.opened, QList<QUrl>{});
        }
        QCOMPARE(readBoard(frm.board()), before);
        QCOMPARE(sound.names(), soundsBefore);
        QVERIFY(announced.isEmpty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(TestHostileHelp)
#include "tst_hostile_help.moc"
