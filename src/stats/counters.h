#pragma once

class QLineEdit;

namespace pipwell::stats {

// The counters are nothing but the texts of their boxes.
struct Counters {
    QLineEdit *gamesToday = nullptr;
    QLineEdit *gamesTotal = nullptr;
    QLineEdit *gamesWon = nullptr;
};

/* Reads the box's text as a number (locale-aware), adds one and writes the shortest decimal
   text back. Returns false, leaving the box as it was, when the text is not a number. */
bool addOne(QLineEdit *box);

/* File > Reset Stats: all three counters back to "0"; nothing else changes. */
void mnuReset_Click(const Counters &counters);

} // namespace pipwell::stats
