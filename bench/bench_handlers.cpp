// How long the handlers take through the real widgets, sounds silenced and messages answered
// at once, so only the game's own work is timed.
//
// The QBENCHMARK functions time a handler together with what prepares it (a roll before a
// tile, and so on). The handler* functions time one handler alone: each call is prepared
// untimed, timed on its own, and the median of many calls is reported.

#include "dice.h"
#include "frmmain.h"
#include "soundplayer.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

using namespace pipwell;

namespace {

class Silence final : public SoundPlayer {
public:
    void play(const QString &) override {}
};

// Always the same throw: die 1 shows 1, die 2 shows 2, the sum 3.
class FixedDice final : public DiceSource {
public:
    float nextFraction() override {
        next_ = !next_;
        return next_ ? 0.0F : 0.2F;
    }

private:
    bool next_ = false;
};

constexpr int kTimedCalls = 1001;

// Median time of `handler`, each call after an untimed `prepare`.
void reportMedian(const std::function<void()> &prepare, const std::function<void()> &handler) {
    std::vector<qint64> ns;
    ns.reserve(kTimedCalls);
    QElapsedTimer clock;
    for (int i = 0; i < kTimedCalls; ++i) {
        prepare();
        clock.start();
        handler();
        ns.push_back(clock.nsecsElapsed());
    }
    std::nth_element(ns.begin(), ns.begin() + ns.size() / 2, ns.end());
    QTest::setBenchmarkResult(qreal(ns[ns.size() / 2]) / 1e6, QTest::WalltimeMilliseconds);
}

} // namespace

class BenchHandlers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { applyDesktopLook(); }

    void roll() {
        Fixture f;
        QBENCHMARK {
            f.board().roll->setEnabled(true);
            f.board().roll->click();
        }
    }

    void rollAndShutATile() {
        Fixture f;
        QBENCHMARK {
            f.board().roll->click();
            f.board().tiles.at(0)->click(); // matches die 1
            f.board().tiles.at(0)->setEnabled(true);
        }
    }

    void newGame() {
        Fixture f;
        QBENCHMARK {
            f.board().roll->click();
            f.board().newGame->click();
        }
    }

    void win() {
        Fixture f;
        QBENCHMARK {
            for (int n = 2; n <= 9; ++n)
                f.board().tiles.at(n - 1)->setEnabled(false);
            f.board().roll->click();
            f.board().tiles.at(0)->click(); // the last open tile: the win and its new game
        }
    }

    void handlerRoll() {
        Fixture f;
        reportMedian([&] { f.board().roll->setEnabled(true); }, [&] { f.board().roll->click(); });
    }

    void handlerTileClick() {
        Fixture f;
        reportMedian(
            [&] {
                f.board().tiles.at(0)->setEnabled(true);
                f.board().roll->click();
            },
            [&] { f.board().tiles.at(0)->click(); }); // matches die 1: shuts the tile
        QVERIFY(!f.board().tiles.at(0)->isEnabled());
    }

    void handlerNewGame() {
        Fixture f;
        reportMedian([&] { f.board().roll->click(); }, [&] { f.board().newGame->click(); });
        QVERIFY(!f.board().newGame->isEnabled());
    }

    void handlerWin() {
        Fixture f;
        reportMedian(
            [&] {
                for (int n = 2; n <= 9; ++n)
                    f.board().tiles.at(n - 1)->setEnabled(false);
                f.board().tiles.at(0)->setEnabled(true);
                f.board().roll->click();
            },
            [&] {
                f.board().tiles.at(0)->click();
            }); // the last open tile: the win and its new game
        // The win's new game opened all tiles again.
        QVERIFY(f.board().tiles.at(8)->isEnabled());
    }

private:
    struct Fixture {
        FixedDice dice;
        Silence silence;
        FrmMain window;
        Fixture()
            : window(services()) {
            window.board().sounds->setChecked(false);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        FrmMain::Services services() {
            FrmMain::Services s;
            s.dice = &dice;
            s.sound = &silence;
            s.announce = [](const QString &) {};
            return s;
        }
        const Board &board() const { return window.board(); }
    };
};

QTEST_MAIN(BenchHandlers)
#include "bench_handlers.moc"
