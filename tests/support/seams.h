#pragma once

// Stand-ins for the game's dice and sounds, and a way to read the whole board at once.

#include "board.h"
#include "dice.h"
#include "soundplayer.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include <deque>
#include <functional>
#include <stdexcept>

namespace pipwell::testing {

// Hands out the die values it was given, in order.
class ScriptedDice final : public DiceSource {
public:
    void push(int first, int second) {
        values_.push_back(first);
        values_.push_back(second);
    }
    float nextFraction() override {
        if (values_.empty())
            throw std::logic_error("ScriptedDice ran out of values");
        const int die = values_.front();
        values_.pop_front();
        return (static_cast<float>(die) - 0.5F) / 6.0F; // the middle of the die's sixth
    }
    bool exhausted() const { return values_.empty(); }

private:
    std::deque<int> values_;
};

// Records the file name of every sound instead of playing it.
class RecordingSound final : public SoundPlayer {
public:
    void play(const QString &path) override {
        paths.append(path);
        if (onPlay)
            onPlay(QFileInfo(path).fileName());
    }
    QStringList names() const {
        QStringList result;
        for (const QString &path : paths)
            result.append(QFileInfo(path).fileName());
        return result;
    }
    QStringList paths;
    std::function<void(const QString &)> onPlay;
};

// The board as one comparable value.
struct BoardState {
    QString open; // e.g. "123456789", the open tiles
    QString die1, die2, sum;
    bool roll = false;
    bool newGame = false;
    QString faces; // e.g. "d1p4 d2p5", the visible faces
    QString today, total, won;

    bool operator==(const BoardState &) const = default;
    QString describe() const {
        return QStringLiteral(
                   "open=%1 dice=[%2|%3|%4] roll=%5 new=%6 faces=[%7] counters=%8/%9/%10")
            .arg(open, die1, die2, sum)
            .arg(roll)
            .arg(newGame)
            .arg(faces, today, total, won);
    }
};

// A board waiting for a roll, with the given tiles open and counters.
inline BoardState waiting(const QString &open, const QString &today = QStringLiteral("0"),
                          const QString &total = QStringLiteral("0"),
                          const QString &won = QStringLiteral("0")) {
    BoardState s;
    s.open = open;
    s.roll = true;
    s.today = today;
    s.total = total;
    s.won = won;
    return s;
}

inline BoardState readBoard(const Board &board) {
    BoardState state;
    for (int n = 1; n <= 9; ++n) {
        if (board.tiles.at(n - 1)->isEnabled())
            state.open += QString::number(n);
    }
    state.die1 = board.die1->text();
    state.die2 = board.die2->text();
    state.sum = board.sum->text();
    state.roll = board.roll->isEnabled();
    state.newGame = board.newGame->isEnabled();
    QStringList faces;
    for (int k = 1; k <= 6; ++k) {
        if (!board.die1Faces.at(k - 1)->isHidden())
            faces << QStringLiteral("d1p%1").arg(k);
    }
    for (int k = 1; k <= 6; ++k) {
        if (!board.die2Faces.at(k - 1)->isHidden())
            faces << QStringLiteral("d2p%1").arg(k);
    }
    state.faces = faces.join(QLatin1Char(' '));
    state.today = board.counters.gamesToday->text();
    state.total = board.counters.gamesTotal->text();
    state.won = board.counters.gamesWon->text();
    return state;
}

} // namespace pipwell::testing

// Lets QCOMPARE print a board that differs.
namespace QTest {
template <> inline char *toString(const pipwell::testing::BoardState &state) {
    return qstrdup(state.describe().toUtf8().constData());
}
} // namespace QTest
