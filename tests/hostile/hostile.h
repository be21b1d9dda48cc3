#pragma once

// Re-running a test of this program without the right to read every file.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <QTest>

namespace pipwell::testing {

// Set in the environment of a test program re-run by runWithoutReadOverride.
inline constexpr char kChildMarker[] = "PIPWELL_HOSTILE_CHILD";

inline bool isChildRun() {
    return qEnvironmentVariableIsSet(kChildMarker);
}

inline bool canRead(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

struct ChildResult {
    QString problem; // why no child could run; empty when it ran
    bool passed = false;
    QString skipped; // the child's reason for skipping, if it skipped
    QString output;
};

// Root reads files whatever their mode says, so a file without read permission is only
// unreadable to a process without that privilege. The child keeps root's user id where it
// can (so it still reaches the X and sound servers, whose sockets are root's) and loses
// only the capabilities that override file permissions; failing that, it runs as nobody.
// Empty when neither works here.
inline QStringList privilegeDroppers() {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        return {};
    const QString caps = QStringLiteral("-dac_override,-dac_read_search");
    const QList<QStringList> ways = {
        {setpriv, QStringLiteral("--inh-caps=") + caps, QStringLiteral("--ambient-caps=") + caps,
         QStringLiteral("--bounding-set=") + caps},
        {setpriv, QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
         QStringLiteral("--clear-groups")},
    };
    QTemporaryFile locked;
    if (!locked.open() || !locked.setPermissions(QFileDevice::Permissions()))
        return {};
    for (const QStringList &way : ways) {
        // The way must work here, and really take away reading a file that is mode 000.
        const QStringList args = way.mid(1);
        if (QProcess::execute(way.first(), args + QStringList{QStringLiteral("true")}) == 0 &&
            QProcess::execute(way.first(),
                              args + QStringList{QStringLiteral("test"), QStringLiteral("-r"),
                                                 locked.fileName()}) == 1)
            return way;
    }
    return {};
}

// Runs one data row of one test function of this program in a child without the privilege
// of reading everything, and reports how it went.
inline ChildResult runWithoutReadOverride(const QString &function, const QString &tag) {
    ChildResult result;
    const QStringList dropper = privilegeDroppers();
    if (dropper.isEmpty()) {
        result.problem = QStringLiteral(
            "running as root, and setpriv cannot drop the right to read any file here");
        return result;
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildMarker), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString selector = function + QLatin1Char(':') + tag;
    child.start(dropper.first(),
                dropper.mid(1) + QStringList{QCoreApplication::applicationFilePath(), selector});
    const bool finished = child.waitForFinished(120000);
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    result.output = QString::fromLocal8Bit(child.readAll());
    if (!finished)
        result.output += QStringLiteral("\n(the child did not finish within 120 s)");
    // The child's report names each row as Class::function(tag).
    const QString row =
        QStringLiteral("\\S+::") +
        QRegularExpression::escape(function + QLatin1Char('(') + tag + QLatin1Char(')'));
    const QRegularExpression pass(QStringLiteral("^PASS   : ") + row,
                                  QRegularExpression::MultilineOption);
    const QRegularExpression skip(QStringLiteral("^SKIP   : ") + row + QStringLiteral(" (.*)$"),
                                  QRegularExpression::MultilineOption);
    result.passed = finished && child.exitStatus() == QProcess::NormalExit &&
                    child.exitCode() == 0 && pass.match(result.output).hasMatch();
    const QRegularExpressionMatch skipped = skip.match(result.output);
    if (skipped.hasMatch())
        result.skipped = skipped.captured(1);
    return result;
}

} // namespace pipwell::testing

// Hands the current data row to a child without the privilege of reading everything and
// ends the row with the child's verdict. For a row that needs an unreadable file.
#define PIPWELL_RERUN_WITHOUT_READ_OVERRIDE(function)                                              \
    do {                                                                                           \
        if (pipwell::testing::isChildRun())                                                        \
            QFAIL("the file is still readable without the privilege of reading everything");       \
        const pipwell::testing::ChildResult child_ = pipwell::testing::runWithoutReadOverride(     \
            QStringLiteral(function), QString::fromUtf8(QTest::currentDataTag()));                 \
        if (!child_.problem.isEmpty())                                                             \
            QSKIP(qPrintable(child_.problem));                                                     \
        if (!child_.skipped.isEmpty())                                                             \
            QSKIP(qPrintable(QStringLiteral("in the child: ") + child_.skipped));                  \
        QVERIFY2(child_.passed, qPrintable(child_.output));                                        \
        return;                                                                                    \
    } while (false)
