#pragma once

#include "board.h"

#include <QCoreApplication>
#include <QString>

namespace pipwell {

// What a screen reader says of the game: the facts a sighted player reads off the board,
// in short sentences of the player's language.
class Narration {
    Q_DECLARE_TR_FUNCTIONS(Narration)
public:
    /* After a roll; when no open tile takes the throw, says that only New Game goes on. */
    static QString rolled(const Board &board);
    static QString shut(int tile);
    static QString newGame();
    /* The whole board at any moment: open and shut tiles, and the throw or its absence. */
    static QString state(const Board &board);

    /* The first open tile a click would shut, 1 to 9, or 0 when none would. */
    static int firstMatchingTile(const Board &board);
};

} // namespace pipwell
