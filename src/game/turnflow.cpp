// What one click sets off, in order; each arrow returns before the next step starts:
//
//   tile N clicked, matching the throw (Command_Click)
//     -> click.wav, to its end      TurnFlow::play -> playSafely -> SoundPlayer::play
//                                   -> PlaySoundFile (the program's player; tests record)
//     -> tile N shut
//     -> sum, die 1 emptied -> die1_txt_Change: all nine shut?
//            no:  die 1's faces hidden
//            yes: win: count it -> winner message (modal) -> tada.wav, applause.wav
//                      -> faces hidden -> New Game (cmdReset_Click), nested here
//     -> die 2 emptied -> die2_txt_Change
//     -> Roll enabled
//
// Roll and New Game are the same kind of straight sequence; the narration for a screen
// reader is handed on as each step happens and never waits.

#include "turnflow.h"

#include "dice.h"
#include "narration.h"
#include "soundplayer.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace pipwell {

namespace {

void showFace(const std::array<QWidget *, 6> &faces, const QString &text) {
    for (int k = 1; k <= 6; ++k)
        faces[k - 1]->setVisible(text == QString::number(k));
}

} // namespace

TurnFlow::TurnFlow(const Board &board, Services services, QObject *parent)
    : QObject(parent)
    , board_(board)
    , services_(std::move(services)) {
    connect(board_.die1, &QLineEdit::textChanged, this, &TurnFlow::die1_txt_Change);
    connect(board_.die2, &QLineEdit::textChanged, this, &TurnFlow::die2_txt_Change);
}

void TurnFlow::cmdReset_Click() {
    if (soundsOn())
        play(QStringLiteral("new.wav"));
    for (QAbstractButton *tile : board_.tiles)
        tile->setEnabled(true);
    board_.roll->setEnabled(true);
    // Tiles open first, so emptying die 1 below never finds a won game.
    board_.sum->setText(QString());
    board_.die1->setText(QString());
    board_.die2->setText(QString());
    board_.newGame->setEnabled(false);
    // A counter that does not read as a number is skipped; New Game is complete without it.
    stats::addOne(board_.counters.gamesToday);
    narrate(Narration::newGame());
}

void TurnFlow::cmdRoll_Click() {
    if (soundsOn())
        play(QStringLiteral("roll.wav"));
    // New Game unavailable means no roll yet in this game: this roll starts one.
    if (!board_.newGame->isEnabled())
        stats::addOne(board_.counters.gamesTotal);
    board_.newGame->setEnabled(true);
    board_.sum->setText(QString());
    board_.die1->setText(QString());
    board_.die2->setText(QString());
    const int first = dieFromFraction(services_.dice->nextFraction());
    board_.die1->setText(QString::number(first));
    const int second = dieFromFraction(services_.dice->nextFraction());
    board_.die2->setText(QString::number(second));
    board_.sum->setText(QString::number(first + second));
    board_.roll->setEnabled(false);
    narrate(Narration::rolled(board_));
}

bool tileMatches(const Board &board, int tile) {
    // Exact text: the number box decides what the tile matches, not a number fixed here.
    const QString number = board.numbers.at(tile - 1)->text();
    return number == board.die1->text() || number == board.die2->text() ||
           number == board.sum->text();
}

void TurnFlow::Command_Click(int tile) {
    if (!tileMatches(board_, tile))
        return;
    play(QStringLiteral("click.wav"));
    board_.tiles.at(tile - 1)->setEnabled(false);
    narrate(Narration::shut(tile));
    board_.sum->setText(QString());
    board_.die1->setText(QString()); // finds the win when this was the last tile
    board_.die2->setText(QString());
    board_.roll->setEnabled(true);
}

void TurnFlow::die1_txt_Change() {
    if (allTilesShut()) {
        win(); // die 1's last face stays up through the message and the sounds
    } else {
        showFace(board_.die1Faces, board_.die1->text());
    }
}

void TurnFlow::die2_txt_Change() {
    showFace(board_.die2Faces, board_.die2->text());
}

QString TurnFlow::winnerMessage(const QString &won, const QString &total) {
    // The plural follows the games played; a total that is not a whole number takes the form
    // of a large count ("5 games"), which reads right around any text.
    bool counted = false;
    const double played = total.toDouble(&counted);
    const int n = counted && played >= 0 && played < 1e9 && played == std::floor(played)
                      ? static_cast<int>(played)
                      : 5;
    // Both counters at once: a count that happened to hold "%2" stays as it is.
    return tr("YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!",
              nullptr, n)
        .arg(won, total);
}

void TurnFlow::win() {
    QLineEdit *won = board_.counters.gamesWon;
    // A count that no longer reads as a number starts again from this win.
    if (!stats::addOne(won))
        won->setText(QStringLiteral("1"));
    if (services_.announce)
        services_.announce(winnerMessage(won->text(), board_.counters.gamesTotal->text()));
    if (soundsOn()) {
        play(QStringLiteral("tada.wav"));
        play(QStringLiteral("applause.wav"));
    }
    for (QWidget *face : board_.die1Faces)
        face->setVisible(false);
    for (QWidget *face : board_.die2Faces)
        face->setVisible(false);
    cmdReset_Click(); // pressing New Game from code: it runs now, nested
}

void TurnFlow::play(const QString &file) {
    playSafely(*services_.sound, soundPath(services_.programDir, file));
}

void TurnFlow::narrate(const QString &text) {
    if (services_.narrate)
        services_.narrate(text);
}

bool TurnFlow::soundsOn() const {
    return board_.sounds->isChecked();
}

bool TurnFlow::allTilesShut() const {
    return std::none_of(board_.tiles.begin(), board_.tiles.end(),
                        [](const QAbstractButton *tile) { return tile->isEnabled(); });
}

} // namespace pipwell
