// Random play: a long run of random clicks, keys and menu commands on the real window, with
// the board's invariants checked after every single event. The run is seeded, so a failure
// repeats. Environment:
//   PIPWELL_SOAK_EVENTS=N          N events instead of 20,000 (a soak run)
//   PIPWELL_RANDOMPLAY_SEED=S      another seed
//   PIPWELL_RANDOMPLAY_TRACE=A,B   prints events A to B, to look into a failure
//   PIPWELL_RANDOMPLAY_IMPATIENT=1 does not wait for the clicks that keys announce
// At the end it prints one line: events, games, wins, violations and what was done.

// Clicks enter through the window system, so Qt itself decides which widget is hit, opens
// popups and honours modality, as for a player's mouse.
#define QTEST_QPA_MOUSE_HANDLING

#include "help.h"
#include "testwindow.h"
#include "turnflow.h"

#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>

#include <algorithm>
#include <functional>
#include <memory>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

constexpr qint64 defaultEvents = 20000;
constexpr quint32 defaultSeed = 20240611;

qint64 eventsToRun() {
    bool ok = false;
    const qint64 soak = qEnvironmentVariable("PIPWELL_SOAK_EVENTS").toLongLong(&ok);
    return ok && soak > 0 ? soak : defaultEvents;
}

quint32 seedToUse() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("PIPWELL_RANDOMPLAY_SEED").toUInt(&ok);
    return ok ? seed : defaultSeed;
}

// The offscreen platform says, for every menu it opens, what it cannot do (raise, grab the
// keyboard); over a long run that drowns everything else. Anything else is passed on.
QtMessageHandler passOn = nullptr;
void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    passOn(type, context, text);
}

// The counters are plain whole numbers in this run (Reset Stats cannot be chosen).
int counter(const QString &text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : -1;
}

bool isDie(const QString &text) {
    return text.size() == 1 && text.at(0) >= QLatin1Char('1') && text.at(0) <= QLatin1Char('6');
}

// The window's dice: random, and watched. A roll draws only while Roll is available, die 1
// first and die 2 second, into an emptied throw.
class WatchedDice final : public DiceSource {
public:
    WatchedDice(quint32 seed, std::function<void(qint64)> drawing)
        : dice_(seed)
        , drawing_(std::move(drawing)) {}
    float nextFraction() override {
        drawing_(++draws_);
        return dice_.nextFraction();
    }

private:
    RandomDice dice_;
    std::function<void(qint64)> drawing_;
    qint64 draws_ = 0;
};

class Player {
public:
    Player(quint32 seed, QString programDir)
        : rng_(seed)
        , programDir_(std::move(programDir)) {
        aboutCloser_.onBox = [this](QMessageBox *box) {
            ++eventAboutBoxes_;
            if (box->windowTitle() != help::aboutTitle())
                violation(QStringLiteral("a modal box other than About: ") + box->windowTitle());
        };
        const QStringList trace =
            qEnvironmentVariable("PIPWELL_RANDOMPLAY_TRACE").split(QLatin1Char(','));
        if (trace.size() == 2) {
            traceFrom_ = trace.at(0).toLongLong();
            traceTo_ = trace.at(1).toLongLong();
        }
    }

    void run(qint64 events) {
        openWindow();
        for (event_ = 1; event_ <= events; ++event_) {
            playOneEvent();
            if (!table_->window->isVisible()) {
                closeWindow();
                openWindow();
            }
        }
        closeWindow();
    }

    qint64 events() const { return event_ - 1; }
    qint64 violations = 0;
    QStringList firstViolations;
    qint64 windows = 0, games = 0, wins = 0, rolls = 0, shut = 0, newGames = 0;
    qint64 exits = 0, abouts = 0, instructions = 0, toggles = 0, menus = 0, lateClicks = 0;

private:
    // One window with its own dice, sound recorder and winner-message recorder.
    struct Table {
        std::unique_ptr<WatchedDice> dice;
        RecordingSound sound;
        QStringList messages;
        QStringList log; // sounds and messages of the current event, in order
        std::unique_ptr<FrmMain> window;
        QStringList triggered; // menu items triggered in the current event
        const Board &board() const { return window->board(); }
    };

    struct Before {
        BoardState state;
        bool sounds = true;
        int messages = 0;
    };

    // What one event presses: the button it clicks (by mouse, Space or access key) and the
    // menu item it chooses. Only these may change the board.
    struct Aim {
        QString what;
        QAbstractButton *button = nullptr;
        bool available = false; // the button was enabled when the event came
        QAction *item = nullptr;
        bool toggle = false;
    };

    void openWindow() {
        table_ = std::make_unique<Table>();
        Table &t = *table_;
        t.dice =
            std::make_unique<WatchedDice>(rng_.generate(), [this](qint64 draw) { drawn(draw); });
        rolledSinceNewGame_ = false; // start-up counts as a New Game
        t.sound.onPlay = [this](const QString &name) { soundPlayed(name); };
        FrmMain::Services services;
        services.dice = t.dice.get();
        services.sound = &t.sound;
        services.programDir = programDir_;
        services.announce = [this](const QString &text) { announced(text); };
        t.window = std::make_unique<FrmMain>(services);
        for (QAction *action : t.window->findChildren<QAction *>()) {
            if (action->objectName().startsWith(QLatin1String("mnu"))) {
                QObject::connect(action, &QAction::triggered, t.window.get(),
                                 [this, action] { table_->triggered << action->objectName(); });
            }
        }
        auto *options = t.window->findChild<QMenu *>(QStringLiteral("mnuOptions"));
        if (options == nullptr) {
            violation(QStringLiteral("no Options menu"));
        } else {
            QObject::connect(options, &QMenu::aboutToShow, t.window.get(),
                             [this] { violation(QStringLiteral("the Options menu opened")); });
        }

        QObject::connect(t.board().counters.gamesToday, &QLineEdit::textChanged, t.window.get(),
                         [this] { newGameEnded(); });
        starting_ = true;
        t.window->loadAndShow();
        starting_ = false;
        ++windows;
        if (t.sound.names() != QStringList{QStringLiteral("intro.wav")})
            violation(QStringLiteral("start-up played ") + t.sound.names().join(QLatin1Char(' ')));
        t.sound.paths.clear();
        t.log.clear();
        const BoardState start = waiting(QStringLiteral("123456789"));
        if (readBoard(t.board()) != start)
            violation(QStringLiteral("start-up board ") + differences(readBoard(t.board()), start));
        if (!t.board().sounds->isChecked())
            violation(QStringLiteral("Sounds starts unchecked"));
        if (!QTest::qWaitForWindowActive(t.window.get()))
            violation(QStringLiteral("the window never became active"));
    }

    void closeWindow() {
        if (!table_)
            return;
        games += counter(table_->board().counters.gamesTotal->text());
        wins += table_->messages.size();
        table_.reset();
    }

    // --- the random events ---

    int pick(int n) { return int(rng_.bounded(n)); }
    bool chance(double p) { return rng_.generateDouble() < p; }

    void playOneEvent() {
        Table &t = *table_;
        Before before{readBoard(t.board()), t.board().sounds->isChecked(), int(t.messages.size())};
        const qint64 aboutBefore = abouts;
        const qsizetype urlsBefore = urls_.opened.size();
        t.sound.paths.clear();
        t.log.clear();
        t.triggered.clear();
        eventAboutBoxes_ = 0;
        Aim aim;

        // Half the clicks go to the tiles. A player moves on rather than clicking tiles in
        // vain: waiting for a roll, many of those clicks go to Roll instead, and to New Game
        // when no open tile takes the throw.
        const int kind = pick(1000);
        if (kind < 500) {
            if (before.state.roll && chance(0.5)) {
                aim = clickInside(t.board().roll, QStringLiteral("Roll"));
            } else if (!before.state.roll && !anyMatch(before.state) && chance(0.5)) {
                aim = clickInside(t.board().newGame, QStringLiteral("New Game"));
            } else {
                aim = clickTile(before);
            }
        } else if (kind < 640) {
            aim = clickInside(t.board().roll, QStringLiteral("Roll"));
        } else if (kind < 650) {
            aim = clickInside(t.board().newGame, QStringLiteral("New Game"));
        } else if (kind < 740) {
            aim = clickAnywhere();
        } else if (kind < 960) {
            aim = pressKey();
        } else if (kind < 975) {
            aim = chooseFromMenu();
        } else {
            aim = toggleSounds();
        }

        if (impatient_ && lateClickFrom_ == event_ - 1) {
            // The event may have released the button already; its click is still to come.
            QTest::qWait(150);
        }

        abouts += eventAboutBoxes_;
        instructions += urls_.opened.size() - urlsBefore;
        lastAim_ = aim.what;
        check(before, aim, int(abouts - aboutBefore), int(urls_.opened.size() - urlsBefore));
    }

    Aim clickAt(QWidget *central, QPoint at, const QString &what) {
        Aim aim;
        QWidget *hit = central->childAt(at);
        QWidget *target = hit != nullptr ? hit : central;
        aim.what = QStringLiteral("click %1 at %2,%3 on %4")
                       .arg(what)
                       .arg(at.x())
                       .arg(at.y())
                       .arg(target->objectName());
        aim.button = qobject_cast<QAbstractButton *>(hit);
        aim.available = aim.button != nullptr && aim.button->isEnabled();
        lastAim_ = aim.what;
        // Sent to the window at the point: a widget's own corner (0,0) would mean its middle
        // to QTest. The central widget lies below the menu bar, so the point is never 0,0.
        QWidget *window = central->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, central->mapTo(window, at));
        return aim;
    }

    QPoint randomPointIn(const QRect &r) {
        return {r.left() + pick(r.width()), r.top() + pick(r.height())};
    }

    Aim clickInside(QWidget *widget, const QString &what) {
        QWidget *central = table_->window->centralWidget();
        const QRect area(widget->mapTo(central, QPoint(0, 0)), widget->size());
        return clickAt(central, randomPointIn(area), what);
    }

    Aim clickAnywhere() {
        QWidget *central = table_->window->centralWidget();
        return clickAt(central, randomPointIn(central->rect()), QStringLiteral("anywhere"));
    }

    // Mostly a random tile; often, after a roll, the tile a sensible player would take, so
    // that games are won now and then.
    Aim clickTile(const Before &before) {
        const Board &board = table_->board();
        int tile = 1 + pick(9);
        if (!before.state.roll && chance(0.85)) {
            for (int n = 9; n >= 1; --n) {
                const QString number = QString::number(n);
                if (before.state.open.contains(number) &&
                    (number == before.state.die1 || number == before.state.die2 ||
                     number == before.state.sum)) {
                    tile = n;
                    break;
                }
            }
        }
        return clickInside(board.tiles.at(tile - 1), QStringLiteral("tile %1").arg(tile));
    }

    Aim pressKey() {
        FrmMain *window = table_->window.get();
        struct Key {
            Qt::Key key = Qt::Key_unknown;
            Qt::KeyboardModifiers modifiers;
            const char *name = "";
            int weight = 0;
        };
        // The keys that click 100 ms later (access keys, Enter) are rare: each waits for it.
        static const Key keys[] = {
            {Qt::Key_Tab, Qt::NoModifier, "Tab", 300},
            {Qt::Key_Backtab, Qt::ShiftModifier, "Backtab", 150},
            {Qt::Key_Space, Qt::NoModifier, "Space", 300},
            {Qt::Key_Return, Qt::NoModifier, "Return", 5},
            {Qt::Key_Enter, Qt::KeypadModifier, "Enter", 5},
            {Qt::Key_Escape, Qt::NoModifier, "Escape", 40},
            {Qt::Key_0, Qt::NoModifier, "0", 10},
            {Qt::Key_1, Qt::NoModifier, "1", 10},
            {Qt::Key_2, Qt::NoModifier, "2", 10},
            {Qt::Key_3, Qt::NoModifier, "3", 10},
            {Qt::Key_4, Qt::NoModifier, "4", 10},
            {Qt::Key_5, Qt::NoModifier, "5", 10},
            {Qt::Key_6, Qt::NoModifier, "6", 10},
            {Qt::Key_7, Qt::NoModifier, "7", 10},
            {Qt::Key_8, Qt::NoModifier, "8", 10},
            {Qt::Key_9, Qt::NoModifier, "9", 10},
            {Qt::Key_R, Qt::AltModifier, "Alt+R", 6},
            {Qt::Key_N, Qt::AltModifier, "Alt+N", 3},
            {Qt::Key_E, Qt::AltModifier, "Alt+E", 1},
        };
        int total = 0;
        for (const Key &k : keys)
            total += k.weight;
        int r = pick(total);
        const Key *chosen = &keys[0];
        for (const Key &k : keys) {
            if (r < k.weight) {
                chosen = &k;
                break;
            }
            r -= k.weight;
        }

        if (QApplication::activeWindow() != window) {
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window))
                violation(QStringLiteral("the window could not be made active for a key"));
        }
        QWidget *focus = window->focusWidget();
        Aim aim;
        aim.what = QStringLiteral("key %1 on %2")
                       .arg(QLatin1String(chosen->name),
                            focus != nullptr ? focus->objectName() : QStringLiteral("(none)"));
        const Board &board = table_->board();
        auto *quit = window->findChild<QAbstractButton *>(QStringLiteral("cmdQuit"));
        const bool later = chosen->modifiers == Qt::AltModifier || chosen->key == Qt::Key_Return ||
                           chosen->key == Qt::Key_Enter;
        if (chosen->modifiers == Qt::AltModifier) {
            aim.button = chosen->key == Qt::Key_R   ? board.roll
                         : chosen->key == Qt::Key_N ? board.newGame
                                                    : quit;
        } else if (chosen->key >= Qt::Key_1 && chosen->key <= Qt::Key_9) {
            aim.button = board.tiles.at(chosen->key - Qt::Key_1); // a digit presses its tile
        } else if (chosen->key == Qt::Key_Space || later) {
            aim.button = qobject_cast<QAbstractButton *>(focus);
        }
        aim.available = aim.button != nullptr && aim.button->isEnabled();
        lastAim_ = aim.what;
        QTest::keyClick(window->windowHandle(), chosen->key, chosen->modifiers);
        if (later) {
            ++lateClicks;
            if (impatient_) {
                lateClickFrom_ = event_; // lands after the next event has run
            } else {
                waitForLateClicks();
            }
        }
        return aim;
    }

    // A button that clicks later shows pressed until its click has run.
    void waitForLateClicks() {
        const QList<QAbstractButton *> buttons = table_->window->findChildren<QAbstractButton *>();
        auto pending = [&] {
            return std::any_of(buttons.begin(), buttons.end(),
                               [](const QAbstractButton *b) { return b->isDown(); });
        };
        QElapsedTimer waited;
        waited.start();
        while (pending() && waited.elapsed() < 5000)
            QTest::qWait(5);
        if (pending())
            violation(QStringLiteral("a click announced by a key never landed"));
    }

    Aim chooseFromMenu() {
        ++menus;
        FrmMain *window = table_->window.get();
        QMenuBar *bar = window->menuBar();
        const QList<QAction *> tops = bar->actions();
        QAction *top = tops.at(pick(int(tops.size())));
        Aim aim;
        aim.what = QStringLiteral("menu ") + top->text();
        lastAim_ = aim.what;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!top->isEnabled() && popup != nullptr)
            violation(QStringLiteral("the disabled menu %1 opened").arg(top->text()));
        if (top->isEnabled() && popup != top->menu())
            violation(QStringLiteral("the menu %1 did not open").arg(top->text()));
        if (popup != nullptr && !popup->actions().isEmpty()) {
            const QList<QAction *> items = popup->actions();
            QAction *item = items.at(pick(int(items.size())));
            aim.item = item;
            aim.what += QStringLiteral(" > ") + item->text();
            lastAim_ = aim.what;
            QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
        }
        // A menu left open (a disabled item takes no click) is closed as with Escape.
        while (QWidget *open = QApplication::activePopupWidget())
            open->close();
        return aim;
    }

    Aim toggleSounds() {
        ++toggles;
        Aim aim;
        aim.what = QStringLiteral("toggle Sounds");
        aim.toggle = true;
        lastAim_ = aim.what;
        table_->window->mnusounds_Click();
        return aim;
    }

    // --- what the game reports while an event runs ---

    void soundPlayed(const QString &name) {
        Table &t = *table_;
        t.log << QStringLiteral("sound ") + name;
        if (starting_)
            return;
        const Board &board = t.board();
        if (t.sound.paths.last() != QDir(programDir_).filePath(name))
            violation(QStringLiteral("sound from elsewhere: ") + t.sound.paths.last());
        // The handlers run only while their buttons are available, and their sound comes first.
        if (name == QLatin1String("roll.wav") &&
            (!board.roll->isEnabled() || !board.die1->text().isEmpty()))
            violation(QStringLiteral("roll.wav while Roll was unavailable or dice stood"));
        if (name == QLatin1String("new.wav") && !board.newGame->isEnabled() &&
            !t.log.contains(QStringLiteral("message")))
            violation(QStringLiteral("new.wav while New Game was unavailable, without a win"));
    }

    void drawn(qint64 draw) {
        const Board &board = table_->board();
        if (!board.roll->isEnabled())
            violation(QStringLiteral("dice drawn while Roll was unavailable"));
        const bool first = draw % 2 == 1;
        if (board.die2->text() != QString() || board.die1->text().isEmpty() != first ||
            !board.sum->text().isEmpty()) {
            violation(QStringLiteral("die %1 drawn into a throw that was not emptied")
                          .arg(first ? 1 : 2));
        }
        rolledSinceNewGame_ = true;
    }

    // New Game is available only from a roll to the next New Game.
    void newGameEnded() {
        if (!rolledSinceNewGame_)
            violation(QStringLiteral("New Game ran twice without a roll between"));
        rolledSinceNewGame_ = false;
    }

    void announced(const QString &text) {
        Table &t = *table_;
        t.messages << text;
        t.log << QStringLiteral("message");
        const Board &board = t.board();
        const QString want = TurnFlow::winnerMessage(board.counters.gamesWon->text(),
                                                     board.counters.gamesTotal->text());
        if (text != want)
            violation(QStringLiteral("winner message '%1', expected '%2'").arg(text, want));
        if (!readBoard(board).open.isEmpty())
            violation(QStringLiteral("winner message with tiles open"));
    }

    // --- the invariants ---

    void violation(const QString &what) {
        ++violations;
        if (firstViolations.size() < 20) {
            QString where = QStringLiteral("event %1 (%2): %3").arg(event_).arg(lastAim_, what);
            if (impatient_ && lateClickFrom_ == event_ - 1) {
                where += QStringLiteral(" [the click of event %1 was still to come]")
                             .arg(lateClickFrom_);
            }
            if (table_ && table_->window)
                where += QStringLiteral(" | board ") + readBoard(table_->board()).describe();
            firstViolations << where;
        }
    }

    bool anyMatch(const BoardState &s) const {
        for (int n = 1; n <= 9; ++n) {
            if (s.open.contains(QString::number(n)) && matches(s, n))
                return true;
        }
        return false;
    }

    bool matches(const BoardState &s, int tile) const {
        const QString number = table_->board().numbers.at(tile - 1)->text();
        return number == s.die1 || number == s.die2 || number == s.sum;
    }

    void check(const Before &before, const Aim &aim, int aboutBoxes, int urlsOpened) {
        Table &t = *table_;
        lastAim_ = aim.what;
        const Board &board = t.board();
        const BoardState &pre = before.state;
        const BoardState post = readBoard(board);
        const QStringList sounds = t.sound.names();
        const bool closed = !t.window->isVisible();

        // 1. Outside a handler the board waits for a roll or holds a throw.
        if (post.die1.isEmpty() && post.die2.isEmpty() && post.sum.isEmpty()) {
            if (!post.roll)
                violation(QStringLiteral("dice empty but Roll unavailable"));
        } else {
            if (!isDie(post.die1) || !isDie(post.die2) ||
                post.sum != QString::number(post.die1.toInt() + post.die2.toInt()))
                violation(QStringLiteral("dice texts are not a throw"));
            if (post.roll)
                violation(QStringLiteral("Roll available while a throw stands"));
            if (!post.newGame)
                violation(QStringLiteral("New Game unavailable while a throw stands"));
        }
        for (int n = 1; n <= 9; ++n) {
            if (board.numbers.at(n - 1)->text() != QString::number(n))
                violation(QStringLiteral("number box %1 changed").arg(n));
        }

        // 2. Exactly the face each die names is up.
        for (int die = 1; die <= 2; ++die) {
            const QString &text = die == 1 ? post.die1 : post.die2;
            const auto &faces = die == 1 ? board.die1Faces : board.die2Faces;
            for (int k = 1; k <= 6; ++k) {
                const bool up = !faces.at(k - 1)->isHidden();
                if (up != (text == QString::number(k))) {
                    violation(
                        QStringLiteral("die %1 face %2 %3 for text '%4'")
                            .arg(die)
                            .arg(k)
                            .arg(up ? QStringLiteral("shown") : QStringLiteral("hidden"), text));
                }
            }
        }

        // 3. Counters: whole numbers that never go down; txtWin counts the winner messages.
        const int today0 = counter(pre.today), today1 = counter(post.today);
        const int total0 = counter(pre.total), total1 = counter(post.total);
        const int won0 = counter(pre.won), won1 = counter(post.won);
        if (today1 < 0 || total1 < 0 || won1 < 0)
            violation(QStringLiteral("a counter is not a whole number"));
        if (today1 < today0 || total1 < total0 || won1 < won0)
            violation(QStringLiteral("a counter went down"));
        if (won1 != t.messages.size()) {
            violation(QStringLiteral("txtWin %1 but %2 winner messages")
                          .arg(post.won)
                          .arg(t.messages.size()));
        }
        const bool won = t.messages.size() > before.messages;
        const bool newGame = today1 > today0;

        // 4. Tiles open only through New Game, and then all of them.
        if (newGame) {
            if (post.open != QLatin1String("123456789"))
                violation(QStringLiteral("New Game left tiles shut"));
        } else {
            for (const QChar n : post.open) {
                if (!pre.open.contains(n))
                    violation(QStringLiteral("tile %1 opened without New Game").arg(n));
            }
        }

        // 5. The Sounds switch: only its own handler flips it, and that changes nothing else.
        if (aim.toggle) {
            if (board.sounds->isChecked() == before.sounds)
                violation(QStringLiteral("Sounds did not flip"));
            if (!impatient_ && (post != pre || !sounds.isEmpty()))
                violation(QStringLiteral("flipping Sounds changed the board"));
        } else if (board.sounds->isChecked() != before.sounds) {
            violation(QStringLiteral("Sounds flipped by something else"));
        }

        // 6. Menus: never Reset Stats or Options > Sounds; About and Instructions as chosen.
        if (t.triggered.contains(QStringLiteral("mnusounds")) ||
            t.triggered.contains(QStringLiteral("mnuReset")))
            violation(QStringLiteral("a menu item that cannot be chosen was triggered"));
        QStringList wantTriggered;
        if (aim.item != nullptr && aim.item->isEnabled())
            wantTriggered << aim.item->objectName();
        if (t.triggered != wantTriggered) {
            violation(
                QStringLiteral("menu items triggered [%1], expected [%2]")
                    .arg(t.triggered.join(QLatin1Char(' ')), wantTriggered.join(QLatin1Char(' '))));
        }
        if (aboutBoxes != int(t.triggered.contains(QStringLiteral("mnuAbout"))))
            violation(QStringLiteral("%1 About boxes").arg(aboutBoxes));
        if (urlsOpened != int(t.triggered.contains(QStringLiteral("mnuInstructions"))))
            violation(QStringLiteral("%1 files handed to the desktop").arg(urlsOpened));
        if (urlsOpened == 1 &&
            urls_.opened.last() != QUrl::fromLocalFile(help::readmePath(programDir_)))
            violation(QStringLiteral("Instructions opened ") + urls_.opened.last().toString());

        const bool rollRan =
            total1 > total0 || (!post.roll && (pre.roll || post.die1 != pre.die1 ||
                                               post.die2 != pre.die2 || post.sum != pre.sum));
        const bool shutOne = newGame ? won : pre.open.size() - post.open.size() == 1;
        if (!impatient_)
            checkCauses(before, aim, post, rollRan, shutOne, won, newGame, closed);

        rolls += int(rollRan);
        shut += int(shutOne);
        newGames += int(newGame);
        exits += int(closed);
        if (event_ >= traceFrom_ && event_ <= traceTo_) {
            qInfo("#%lld %s | %s | %s", event_, qPrintable(aim.what),
                  qPrintable(t.log.join(QLatin1Char(','))), qPrintable(post.describe()));
        }
    }

    // Every change has its cause in this event: the button it pressed or the item it chose.
    // (Only when each delayed click has landed within its own event.)
    void checkCauses(const Before &before, const Aim &aim, const BoardState &post, bool rollRan,
                     bool shutOne, bool won, bool newGame, bool closed) {
        Table &t = *table_;
        const Board &board = t.board();
        const BoardState &pre = before.state;
        QAbstractButton *pressed = aim.available ? aim.button : nullptr;
        int tile = 0;
        for (int n = 1; n <= 9; ++n) {
            if (pressed == board.tiles.at(n - 1))
                tile = n;
        }
        const bool expectShut = tile != 0 && !pre.roll && matches(pre, tile);
        const bool expectWin = expectShut && pre.open == QString::number(tile);
        const bool expectRoll = pressed == board.roll;
        const bool expectNewGame = pressed == board.newGame || expectWin;
        const bool expectClose =
            (pressed != nullptr && pressed->objectName() == QLatin1String("cmdQuit")) ||
            (aim.item != nullptr && aim.item->objectName() == QLatin1String("mnuExit"));

        if (!newGame) {
            const qsizetype gone = pre.open.size() - post.open.size();
            if (gone > 1)
                violation(QStringLiteral("%1 tiles shut in one event").arg(gone));
            if (gone == 1 && (!expectShut || post.open.contains(QString::number(tile))))
                violation(QStringLiteral("a tile shut that was not pressed with a match"));
        }
        if (counter(post.today) - counter(pre.today) > 1 ||
            counter(post.won) - counter(pre.won) > 1)
            violation(QStringLiteral("more than one game ended in one event"));
        if (expectShut && !shutOne)
            violation(QStringLiteral("tile %1 matched the throw but did not shut").arg(tile));
        if (shutOne && !won && !post.roll)
            violation(QStringLiteral("a shut tile did not clear the throw"));
        if (won != expectWin) {
            violation(won ? QStringLiteral("a win without shutting the last tile")
                          : QStringLiteral("the last tile shut without a win"));
        }
        if (newGame != expectNewGame) {
            violation(newGame ? QStringLiteral("New Game ran unasked")
                              : QStringLiteral("New Game was pressed but did not run"));
        }
        if (newGame && (!post.roll || post.newGame || !post.die1.isEmpty()))
            violation(QStringLiteral("New Game did not leave a fresh board"));
        if (rollRan != expectRoll) {
            violation(rollRan ? QStringLiteral("a roll happened unasked")
                              : QStringLiteral("Roll was pressed but did not roll"));
        }
        if (counter(post.total) - counter(pre.total) != int(rollRan && !pre.newGame)) {
            violation(QStringLiteral("games-total counted %1 for this event")
                          .arg(counter(post.total) - counter(pre.total)));
        }

        // Every sound has its cause, and the Sounds switch gates all but the click.
        const bool on = before.sounds;
        QStringList want;
        if (rollRan && on)
            want << QStringLiteral("roll.wav");
        if (shutOne)
            want << QStringLiteral("click.wav");
        if (won && on)
            want << QStringLiteral("tada.wav") << QStringLiteral("applause.wav");
        if (newGame && on)
            want << QStringLiteral("new.wav");
        if (t.sound.names() != want) {
            violation(
                QStringLiteral("sounds [%1], expected [%2]")
                    .arg(t.sound.names().join(QLatin1Char(' ')), want.join(QLatin1Char(' '))));
        }
        if (won && t.log.indexOf(QStringLiteral("message")) != 1) {
            violation(QStringLiteral("winner message out of order: ") +
                      t.log.join(QLatin1Char(',')));
        }

        // The window closes by its exits, and by nothing else.
        if (closed != expectClose) {
            violation(closed ? QStringLiteral("the window closed unasked")
                             : QStringLiteral("an exit did not close the window"));
        }
    }

    QRandomGenerator rng_;
    QString programDir_;
    std::unique_ptr<Table> table_;
    UrlRecorder urls_;
    BoxAnswerer aboutCloser_{5};
    int eventAboutBoxes_ = 0;
    bool starting_ = false;
    bool rolledSinceNewGame_ = false;
    qint64 lateClickFrom_ = -1;
    // PIPWELL_RANDOMPLAY_IMPATIENT=1: after a key that clicks 100 ms later, the next event
    // comes at once, before that click has landed; only the checks that need no single
    // cause per event apply then.
    bool impatient_ = qEnvironmentVariableIntValue("PIPWELL_RANDOMPLAY_IMPATIENT") != 0;
    qint64 event_ = 0;
    qint64 traceFrom_ = 0, traceTo_ = -1;
    QString lastAim_;
};

} // namespace

class TestRandomPlay : public DesignedLook {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        // Closing the last window must not end the run; new windows follow.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void randomEventsKeepTheInvariants() {
        QTemporaryDir programDir;
        QVERIFY(programDir.isValid());
        {
            // Instructions hands over only a file that exists.
            QFile readme(help::readmePath(programDir.path()));
            QVERIFY(readme.open(QIODevice::WriteOnly));
        }
        const qint64 events = eventsToRun();
        const quint32 seed = seedToUse();
        Player player(seed, programDir.path());
        QElapsedTimer clock;
        clock.start();
        passOn = qInstallMessageHandler(quietOffscreen);
        player.run(events);
        qInstallMessageHandler(passOn);
        const double seconds = double(clock.elapsed()) / 1000.0;

        qInfo("randomplay: events=%lld games=%lld wins=%lld violations=%lld "
              "(seed %u, %.1f s, windows=%lld rolls=%lld shut=%lld newgames=%lld exits=%lld "
              "menus=%lld about=%lld instructions=%lld toggles=%lld lateclicks=%lld)",
              player.events(), player.games, player.wins, player.violations, seed, seconds,
              player.windows, player.rolls, player.shut, player.newGames, player.exits,
              player.menus, player.abouts, player.instructions, player.toggles, player.lateClicks);
        for (const QString &v : std::as_const(player.firstViolations))
            qWarning("%s", qPrintable(v));

        QCOMPARE(player.events(), events);
        QVERIFY2(player.violations == 0, qPrintable(player.firstViolations.value(0)));
        // A run that never finished a game or won one would have tested little.
        QVERIFY(player.games > 0);
        QVERIFY(player.wins > 0);
        QVERIFY(player.exits > 0);
        QVERIFY(player.abouts > 0);
        QVERIFY(player.instructions > 0);
    }
};

// A soak run takes far longer than QtTest's watchdog grants one test function by default.
static void allowALongSoak() {
    if (qEnvironmentVariableIsSet("PIPWELL_SOAK_EVENTS") &&
        !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(24 * 3600 * 1000));
}

QTEST_MAIN_WRAPPER(TestRandomPlay, allowALongSoak(); QTEST_MAIN_SETUP())
#include "tst_randomplay.moc"
