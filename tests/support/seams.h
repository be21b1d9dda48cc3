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
    // Given another board, only the fields that differ from it.
    QString describe(const BoardState *other = nullptr) const {
        const auto fields = [](const BoardState &s) {
            return QStringList{QStringLiteral("open=") + s.open,
                               QStringLiteral("dice=[%1|%2|%3]").arg(s.die1, s.die2, s.sum),
                               QStringLiteral("roll=%1").arg(s.roll),
                               QStringLiteral("new=%1").arg(s.newGame),
                               QStringLiteral("faces=[%1]").arg(s.faces),
                               QStringLiteral("counters=%1/%2/%3").arg(s.today, s.total, s.won)};
        };
        QStringList mine = fields(*this);
        if (other != nullptr) {
            const QStringList theirs = fields(*other);
            for (qsizetype i = mine.size() - 1; i >= 0; --i) {
                if (mine.at(i) == theirs.at(i))
                    mine.removeAt(i);
            }
        }
        return mine.join(QLatin1Char(' '));
    }
};

// The fields in which a board differs from the one expected, as "open=12, expected open=123".
inline QString differences(const BoardState &actual, const BoardState &expected) {
    return actual.describe(&expected) + QStringLiteral(", expected ") + expected.describe(&actual);
}

// A board waiting for a roll, with the given tiles open and counters.
inline BoardState waiting(const QString &open, int today = 0, int total = 0, int won = 0) {
    BoardState s;
    s.open = open;
    s.roll = true;
    s.today = QString::number(today);
    s.total = QString::number(total);
    s.won = QString::number(won);
    return s;
}

// A board holding the throw in the day's first game, counted at its first roll, with the given
// tiles open.
inline BoardState holding(int first, int second,
                          const QString &open = QStringLiteral("123456789")) {
    BoardState s = waiting(open, 0, 1);
    s.die1 = QString::number(first);
    s.die2 = QString::number(second);
    s.sum = QString::number(first + second);
    s.roll = false;
    s.newGame = true;
    s.faces = QStringLiteral("d1p%1 d2p%2").arg(first).arg(second);
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
    for (int die = 1; die <= 2; ++die) {
        for (int k = 1; k <= 6; ++k) {
            if (!(die == 1 ? board.die1Faces : board.die2Faces).at(k - 1)->isHidden())
                faces << QStringLiteral("d%1p%2").arg(die).arg(k);
        }
    }
    state.faces = faces.join(QLatin1Char(' '));
    state.today = board.counters.gamesToday->text();
    state.total = board.counters.gamesTotal->text();
    state.won = board.counters.gamesWon->text();
    return state;
}

} // namespace pipwell::testing

// Lets QCOMPARE print the fields in which two boards differ, and QList comparisons the boards.
namespace QTest {
template <> inline char *toString(const pipwell::testing::BoardState &state) {
    return qstrdup(state.describe().toUtf8().constData());
}
inline bool qCompare(const pipwell::testing::BoardState &actual,
                     const pipwell::testing::BoardState &expected, const char *actualExpr,
                     const char *expectedExpr, const char *file, int line) {
    // Each side is described against the other, so only the differing fields are printed.
    struct Against {
        const pipwell::testing::BoardState *state;
        const pipwell::testing::BoardState *other;
    };
    const Against actualSide{&actual, &expected};
    const Against expectedSide{&expected, &actual};
    const auto describe = [](const void *side) -> const char * {
        const auto *against = static_cast<const Against *>(side);
        return qstrdup(against->state->describe(against->other).toUtf8().constData());
    };
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 deprecates the callback overload for this one, which 6.4 lacks.
    return compare_helper(actual == expected, "Compared boards differ", &actualSide, &expectedSide,
                          describe, describe, actualExpr, expectedExpr, file, line);
#else
    return compare_helper(
        actual == expected, "Compared boards differ", [&] { return describe(&actualSide); },
        [&] { return describe(&expectedSide); }, actualExpr, expectedExpr, file, line);
#endif
}
} // namespace QTest
