// How long the handlers take through the real widgets, sounds silenced and messages answered
// at once, so only the game's own work is timed.

#include "dice.h"
#include "frmmain.h"
#include "soundplayer.h"

#include <QAbstractButton>
#include <QTest>

using namespace pipwell;

namespace {

class Silence final : public SoundPlayer {
public:
    void play(const QString &) override {}
};

// Always the same throw: die 1 shows 1, die 2 shows 2, the sum 3.
class FixedDice final : public DiceSource {
public:
    float nextFraction() override
    {
        next_ = !next_;
        return next_ ? 0.0F : 0.2F;
    }

private:
    bool next_ = false;
};

} // namespace

class BenchHandlers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyDesktopLook(); }

    void roll()
    {
        Fixture f;
        QBENCHMARK {
            f.board().roll->setEnabled(true);
            f.board().roll->click();
        }
    }

    void rollAndShutATile()
    {
        Fixture f;
        QBENCHMARK {
            f.board().roll->click();
            f.board().tiles.at(0)->click();  // matches die 1
            f.board().tiles.at(0)->setEnabled(true);
        }
    }

    void newGame()
    {
        Fixture f;
        QBENCHMARK {
            f.board().roll->click();
            f.board().newGame->click();
        }
    }

    void win()
    {
        Fixture f;
        QBENCHMARK {
            for (int n = 2; n <= 9; ++n)
                f.board().tiles.at(n - 1)->setEnabled(false);
            f.board().roll->click();
            f.board().tiles.at(0)->click();  // the last open tile: the win and its new game
        }
    }

private:
    struct Fixture {
        FixedDice dice;
        Silence silence;
        FrmMain window;
        Fixture()
            : window(services())
        {
            window.board().sounds->setChecked(false);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        FrmMain::Services services()
        {
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
