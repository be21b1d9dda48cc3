#pragma once

#include "counters.h"

#include <array>

class QAbstractButton;
class QAction;
class QLineEdit;
class QWidget;

namespace pipwell {

// The whole state of a game is in these widgets; the window hands them over from its form.
struct Board {
    std::array<QAbstractButton *, 9> tiles{}; // open while enabled
    std::array<QLineEdit *, 9> numbers{};     // the number each tile matches, as text
    QLineEdit *die1 = nullptr;
    QLineEdit *die2 = nullptr;
    QLineEdit *sum = nullptr;
    QAbstractButton *roll = nullptr;
    QAbstractButton *newGame = nullptr;
    std::array<QWidget *, 6> die1Faces{}; // face K at index K-1
    std::array<QWidget *, 6> die2Faces{};
    stats::Counters counters;
    QAction *sounds = nullptr; // checked: New Game, Roll and the win play their sounds
};

} // namespace pipwell
