// The window on a real X server: what reaches the screen, and real input during a sound.

#include "testwindow.h"

#include <QScreen>
#include <QStandardPaths>
#include <QWindow>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

// What the screen shows of the window's client area, in device pixels.
QImage screenshot(FrmMain &frm) {
    QWidget *client = frm.centralWidget();
    const QPoint origin = client->mapToGlobal(QPoint(0, 0));
    QScreen *screen = frm.screen();
    const QPoint local = origin - screen->geometry().topLeft();
    QImage shot = screen->grabWindow(0, local.x(), local.y(), client->width(), client->height())
                      .toImage()
                      .convertToFormat(QImage::Format_RGB32);
    shot.setDevicePixelRatio(1); // compared as plain pixels
    return shot;
}

QImage picture(const QString &resource, qreal ratio) {
    const QImage image = QImage(resource).convertToFormat(QImage::Format_RGB32);
    return image.scaled(qRound(image.width() * ratio), qRound(image.height() * ratio),
                        Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Where in `area` of the shot the picture stands pixel for pixel, or (-1, -1).
QPoint find(const QImage &shot, const QImage &want, const QRect &area) {
    for (int y = area.top(); y + want.height() <= area.bottom() + 1; ++y) {
        for (int x = area.left(); x + want.width() <= area.right() + 1; ++x) {
            if (shot.copy(x, y, want.width(), want.height()) == want)
                return {x, y};
        }
    }
    return {-1, -1};
}

QRect scaled(const QRect &r, qreal ratio) {
    return {qRound(r.x() * ratio), qRound(r.y() * ratio), qRound(r.width() * ratio),
            qRound(r.height() * ratio)};
}

} // namespace

class TestOnScreen : public DesignedLook {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server");
    }

    void drawnAsDesigned() {
        TestWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.frm));
        QTest::qWait(300);
        const qreal ratio = w.frm.devicePixelRatioF();
        const QImage shot = screenshot(w.frm);
        QCOMPARE(shot.size(), QSize(qRound(615 * ratio), qRound(293 * ratio)));
        auto at = [&](int x, int y) {
            return shot.pixelColor(qRound(x * ratio), qRound(y * ratio));
        };
        QCOMPARE(at(300, 200), QColor(128, 128, 128));
        // Roll's shadow shows along its right and bottom edges, 8 pixels deep
        QCOMPARE(at(85, 144), QColor(Qt::black));
        QCOMPARE(at(40, 173), QColor(Qt::black));
        QCOMPARE(at(85, 108), QColor(128, 128, 128));
        // each tile shows its picture whole, over its number box, near the tile's middle
        for (int n = 1; n <= 9; ++n) {
            const QRect tile = scaled(QRect(16 + 64 * (n - 1), 16, 57, 57), ratio);
            const QImage want = picture(QStringLiteral(":/pictures/tile%1.png").arg(n), ratio);
            const QPoint found = find(shot, want, tile);
            QVERIFY2(found.x() >= 0, qPrintable(QStringLiteral("tile %1").arg(n)));
            const QPoint middle = tile.center() - QPoint(want.width() / 2, want.height() / 2);
            QVERIFY((found - middle).manhattanLength() <= qRound(4 * ratio));
        }
    }

    void facesAfterARoll() {
        TestWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.frm));
        w.dice.push(4, 2);
        QTest::mouseClick(w.frm.board().roll, Qt::LeftButton);
        QTest::qWait(300);
        const qreal ratio = w.frm.devicePixelRatioF();
        const QImage shot = screenshot(w.frm);
        // inside the two-pixel sunken edge of the boxes at (208, 216) and (296, 216)
        QCOMPARE(shot.copy(scaled(QRect(210, 218, 49, 49), ratio)),
                 picture(QStringLiteral(":/faces/face4.bmp"), ratio));
        QCOMPARE(shot.copy(scaled(QRect(298, 218, 49, 49), ratio)),
                 picture(QStringLiteral(":/faces/face2.bmp"), ratio));
        // and the edge itself is not the face's white
        QVERIFY(shot.pixelColor(qRound(208 * ratio), qRound(240 * ratio)) != QColor(Qt::white));
    }

    // A real click made while a sound plays waits for the sound to end, and is not lost.
    void clickDuringASoundWaitsForIt() {
        if (!soundServerAnswers())
            QSKIP("No sound server answers");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");
        SoundingWindow w({{"roll.wav", 1.5}, {"click.wav", 0.05}});
        QVERIFY(w.written);
        FrmMain &frm = w.frm;
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        QTest::qWait(200);
        const Board &board = frm.board();
        const QPoint tile1 = board.tiles.at(0)->mapToGlobal(QPoint(28, 28));

        // While the roll sound plays, the dice are not thrown yet: a click handled now would
        // match nothing; handled after the sound, it shuts tile 1.
        bool clickedDuringSound = false;
        QString diceWhenClicked = QStringLiteral("?");
        QTimer::singleShot(400, &frm, [&] {
            diceWhenClicked = board.die1->text();
            clickedDuringSound =
                QProcess::execute(QStringLiteral("xdotool"),
                                  {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                                   QString::number(tile1.x()), QString::number(tile1.y()),
                                   QStringLiteral("click"), QStringLiteral("1")}) == 0;
        });
        w.dice.push(1, 2);
        const qint64 rolled = msTaken([&] { QTest::mouseClick(board.roll, Qt::LeftButton); });
        QVERIFY(rolled >= 1400); // the roll waited for its sound
        QVERIFY(clickedDuringSound);
        QCOMPARE(diceWhenClicked, QString());
        QVERIFY(board.tiles.at(0)->isEnabled()); // nothing delivered during the sound
        QTRY_VERIFY_WITH_TIMEOUT(!board.tiles.at(0)->isEnabled(), 5000);
        QCOMPARE(board.die1->text(), QString());
        QVERIFY(board.roll->isEnabled());
    }

    // Closing the window while a sound plays: the window stays until the sound has ended,
    // then closes without being asked again.
    void closeDuringASoundWaitsForIt() {
        if (!soundServerAnswers())
            QSKIP("No sound server answers");
        SoundingWindow w({{"new.wav", 1.0}, {"roll.wav", 0.05}});
        QVERIFY(w.written);
        QVERIFY(QTest::qWaitForWindowExposed(&w.frm));
        w.roll(5, 5);

        bool visibleAfterRequest = false;
        QTimer::singleShot(300, &w.frm, [&] {
            w.frm.windowHandle()->close(); // as the close box does
            visibleAfterRequest = w.frm.isVisible();
        });
        w.board().newGame->click(); // plays new.wav, one second
        QVERIFY(visibleAfterRequest);
        QCOMPARE(w.board().sum->text(), QString()); // New Game finished its steps
        QTRY_VERIFY_WITH_TIMEOUT(!w.frm.isVisible(), 3000);
    }
};

QTEST_MAIN(TestOnScreen)
#include "tst_onscreen.moc"
