// Every translation complete and compiled in, and the locale deciding what the window says:
// run with LANGUAGE=de and in the C locale (PIPWELL_EXPECT_LANGUAGE), as the locale is read once.

#include "startup.h"
#include "testprogram.h"
#include "testwindow.h"

#include <QFile>
#include <QMenu>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace pipwell;
using namespace pipwell::testing;

class TestLanguages : public DesignedLook {
    Q_OBJECT
private Q_SLOTS:
    void everyTranslationIsComplete_data() {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "es", "fr", "it", "nl", "pl", "pt_BR"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyTranslationIsComplete() {
        QFETCH(QString, language);
        QFile ts(sourceDir() + QStringLiteral("/src/translations/pipwell_%1.ts").arg(language));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"translation")
                continue;
            ++messages;
            QVERIFY(xml.attributes().value(QLatin1String("type")).isEmpty()); // not unfinished
            QVERIFY(!xml.readElementText().isEmpty());
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages >= 28);

        QTranslator compiled; // and the button row's access keys: one each, all different
        QVERIFY(compiled.load(QStringLiteral(":/translations/pipwell_%1.qm").arg(language)));
        QSet<QChar> keys;
        for (const char *caption : {"&Roll", "&New Game", "&Exit"}) {
            const QString text = compiled.translate("frmmain", caption);
            QCOMPARE(text.count(QLatin1Char('&')), 1);
            keys.insert(text.at(text.indexOf(QLatin1Char('&')) + 1).toLower());
        }
        QCOMPARE(keys.size(), 3);
    }

    void theWindowSpeaksTheLocalesLanguage() {
        installTranslations();
        UrlRecorder desktop;
        TestWindow w(TestWindow::Shown, qEnvironmentVariable("PIPWELL_BUILD_DIR"));
        const bool de = qEnvironmentVariable("PIPWELL_EXPECT_LANGUAGE") == QLatin1String("de");
        const auto say = [de](const char *german, const char *english) {
            return QString::fromUtf8(de ? german : english);
        };
        QCOMPARE(w.find<QMenu>("mnuFile")->title(), say("Datei", "File"));
        QCOMPARE(w.action("mnuInstructions")->text(), say("Anleitung", "Instructions"));
        QCOMPARE(w.board().roll->text(), say("&Würfeln", "&Roll"));
        QCOMPARE(w.board().newGame->text(), say("&Neustart", "&New Game"));
        w.play(kWinningThrows);
        QCOMPARE(
            w.messages,
            QStringList{say("DU HAST GEWONNEN!!!!! Gewonnene Spiele bisher: 1 von insgesamt 1!",
                            "YOU ARE A WINNER!!!!!   So far, you have won 1 out of a total "
                            "of 1 games!")});
        w.action("mnuInstructions")->trigger();
        QCOMPARE(desktop.opened.value(0).fileName(), say("readme.de.txt", "readme.txt"));
        QCOMPARE(desktop.opened.size(), 1);
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
