#pragma once

#include "board.h"

#include <QObject>
#include <QString>

#include <functional>

namespace pipwell {

class DiceSource;
class SoundPlayer;

// New Game, Roll, shutting a tile, the dice display and the end of a game. Each handler is a
// fixed sequence of widget updates; setting a die's text runs its change handler nested inside
// the assignment, so the order of the steps is the behaviour.
/* Whether tile (1 to 9) matches the throw: its number box's text equals die 1, die 2 or the
   sum, exactly. Open or shut alike. */
bool tileMatches(const Board &board, int tile);

class TurnFlow : public QObject {
    Q_OBJECT
public:
    struct Services {
        DiceSource *dice = nullptr;
        SoundPlayer *sound = nullptr;
        std::function<void(const QString &)> announce; // shows a modal message, returns when closed
        QString programDir;                            // the sounds stand here
        std::function<void(const QString &)> narrate;  // tells a screen reader; never waits
    };

    /* Connects the two dice boxes' change handlers. The window connects the clicks. */
    TurnFlow(const Board &board, Services services, QObject *parent = nullptr);

    void cmdReset_Click();
    void cmdRoll_Click();
    /* The one routine behind Command1_Click to Command9_Click; tile is 1 to 9. */
    void Command_Click(int tile);
    void die1_txt_Change();
    void die2_txt_Change();

    static QString winnerMessage(const QString &won, const QString &total);

private:
    void narrate(const QString &text);
    void play(const QString &file);
    bool soundsOn() const;
    bool allTilesShut() const;
    void win();

    Board board_;
    Services services_;
};

} // namespace pipwell
