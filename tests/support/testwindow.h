#pragma once

// The real window with scripted dice, recorded sounds and recorded winner messages; either of
// the last two may be the program's own instead.

#include "desktop.h"
#include "frmmain.h"
#include "seams.h"
#include "soundfixtures.h"

#include <functional>
#include <initializer_list>
#include <utility>

namespace pipwell::testing {

// Throws that shut the nine tiles, each {die 1, die 2, tile}; the ninth wins.
inline constexpr int kWinningThrows[9][3] = {{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {4, 5, 4}, {5, 6, 5},
                                             {6, 1, 6}, {3, 4, 7}, {4, 4, 8}, {4, 5, 9}};

struct TestWindow {
    enum Visibility { Hidden, Shown };
    // What the window gets from the program itself rather than from the stand-ins.
    enum Own { Nothing = 0, OwnSound = 1, OwnMessageBox = 2 };

    ScriptedDice dice;
    RecordingSound sound;
    QStringList messages; // winner messages, answered at once
    // Runs inside each winner message, after it is recorded: the board as the player sees it.
    std::function<void()> onMessage;
    FrmMain frm;

    explicit TestWindow(Visibility visibility = Shown,
                        const QString &programDir = QStringLiteral("/opt/pipwell"),
                        int own = Nothing)
        : frm(services(programDir, own)) {
        if (visibility == Shown)
            frm.show();
    }
    const Board &board() const { return frm.board(); }
    BoardState state() const { return readBoard(board()); }
    template <typename W = QWidget> W *find(const char *name) const {
        W *w = frm.findChild<W *>(QString::fromLatin1(name));
        if (w == nullptr)
            qFatal("no control %s", name);
        return w;
    }
    QAction *action(const char *name) const { return find<QAction>(name); }

    // The player's clicks.
    void roll(int first, int second) {
        dice.push(first, second);
        QTest::mouseClick(board().roll, Qt::LeftButton);
    }
    void clickTile(int n) { QTest::mouseClick(board().tiles.at(n - 1), Qt::LeftButton); }
    void newGame() { QTest::mouseClick(board().newGame, Qt::LeftButton); }
    void shut(int first, int second, int tile) {
        roll(first, second);
        clickTile(tile);
    }
    template <size_t N> void play(const int (&throws)[N][3]) {
        for (const auto &t : throws)
            shut(t[0], t[1], t[2]);
    }
    // A game down to its last tile, 9.
    void lastTileLeft() {
        for (int n = 1; n <= 8; ++n)
            board().tiles.at(n - 1)->setEnabled(false);
    }
    // A game under way: one tile shut and a throw on the table.
    void underWay() {
        shut(3, 4, 7);
        roll(2, 2);
    }

private:
    FrmMain::Services services(const QString &programDir, int own) {
        FrmMain::Services s;
        s.dice = &dice;
        s.sound = (own & OwnSound) != 0 ? nullptr : &sound;
        s.programDir = programDir;
        if ((own & OwnMessageBox) == 0) {
            s.announce = [this](const QString &text) {
                messages << text;
                if (onMessage)
                    onMessage();
            };
        }
        return s;
    }
};

// The base of the test classes that see the window as designed: Fusion and the DejaVu fonts,
// set before the first test.
class DesignedLook : public QObject {
protected:
    DesignedLook() { applyDesktopLook(); }
};

// Shown, with the program's own sound player and tones of the given lengths in seconds in
// place of its sounds; a sound not given is missing (the default beep).
struct SoundingWindow : SoundFolder, TestWindow {
    explicit SoundingWindow(std::initializer_list<std::pair<const char *, double>> tones)
        : TestWindow(Shown, dir.path(), OwnSound) {
        for (const auto &[name, seconds] : tones)
            written = writeTone(file(QString::fromLatin1(name)), seconds) && written;
    }
    bool written = true;
};

} // namespace pipwell::testing
