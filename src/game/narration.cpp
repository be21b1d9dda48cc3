#include "narration.h"

#include "turnflow.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>

namespace pipwell {

int Narration::firstMatchingTile(const Board &board) {
    for (int n = 1; n <= 9; ++n) {
        if (board.tiles.at(n - 1)->isEnabled() && tileMatches(board, n))
            return n;
    }
    return 0;
}

QString Narration::rolled(const Board &board) {
    const QString &first = board.die1->text();
    const QString &second = board.die2->text();
    const QString &sum = board.sum->text();
    if (firstMatchingTile(board) != 0)
        return tr("Rolled %1 and %2, sum %3.").arg(first, second, sum);
    return tr("Rolled %1 and %2, sum %3. No open tile matches: choose New Game.")
        .arg(first, second, sum);
}

QString Narration::shut(int tile) {
    return tr("Tile %1 shut.").arg(tile);
}

QString Narration::newGame() {
    return tr("New game: all nine tiles are open.");
}

QString Narration::state(const Board &board) {
    QStringList open;
    QStringList shut;
    for (int n = 1; n <= 9; ++n)
        (board.tiles.at(n - 1)->isEnabled() ? open : shut) << QString::number(n);
    //: Between the numbers in a list of tiles, as in "1, 2, 3".
    const QString separator = tr(", ");
    QStringList sentences;
    if (!open.isEmpty())
        sentences << tr("Open tiles: %1.").arg(open.join(separator));
    if (!shut.isEmpty())
        sentences << tr("Shut tiles: %1.").arg(shut.join(separator));
    sentences << (board.die1->text().isEmpty() ? tr("Waiting for a roll.") : rolled(board));
    return sentences.join(QLatin1Char(' '));
}

} // namespace pipwell
