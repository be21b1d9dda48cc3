// Help > Instructions when the readme beside the program is not a readable file. A player
// expects the instructions or nothing: a folder, a pipe or a file nobody may read is no
// text to show, and handing it over only makes the desktop open a file manager, hang an
// editor on the pipe or show a permission error. The game itself must not change either way.

#include "help.h"
#include "hostile.h"
#include "testwindow.h"

#include <QTemporaryDir>

#include <sys/stat.h>

using namespace pipwell;
using namespace pipwell::testing;

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

class TestHostileHelp : public DesignedLook {
    Q_OBJECT
private Q_SLOTS:
    void instructionsOpenOnlyAReadableFile_data() {
        QTest::addColumn<Readme>("kind");
        QTest::addColumn<bool>("handedOver");
        QTest::addColumn<qint32>("result"); // what HyperJump tells its caller
        QTest::newRow("folder") << Readme::Folder << false << help::kFileNotFound;
        QTest::newRow("no read permission") << Readme::Unreadable << false << help::kAccessDenied;
        QTest::newRow("fifo") << Readme::Fifo << false << help::kFileNotFound;
        QTest::newRow("dangling symlink") << Readme::DanglingLink << false << help::kFileNotFound;
        // Also shows that the desktop stand-in sees what is handed over.
        QTest::newRow("symlink to the instructions")
            << Readme::LinkToFile << true << help::kOpenedOk;
    }
    void instructionsOpenOnlyAReadableFile() {
        QFETCH(Readme, kind);
        QFETCH(bool, handedOver);
        QFETCH(qint32, result);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(plantReadme(QDir(dir.path()), kind));
        const QString readme = dir.filePath(QStringLiteral("readme.txt"));
        if (kind == Readme::Unreadable && canRead(readme))
            PIPWELL_RERUN_WITHOUT_READ_OVERRIDE("instructionsOpenOnlyAReadableFile");

        UrlRecorder desktop;
        TestWindow w(TestWindow::Shown, dir.path());
        FrmMain &frm = w.frm;
        w.underWay();
        const BoardState before = readBoard(frm.board());
        const QStringList soundsBefore = w.sound.names();

        w.action("mnuInstructions")->trigger();

        if (handedOver) {
            QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(readme)});
        } else {
            QCOMPARE(desktop.opened, QList<QUrl>{});
        }
        QCOMPARE(readBoard(frm.board()), before);
        QCOMPARE(w.sound.names(), soundsBefore);
        QVERIFY(w.messages.isEmpty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(frm.HyperJump(readme), result);
    }
};

QTEST_MAIN(TestHostileHelp)
#include "tst_hostile_help.moc"
