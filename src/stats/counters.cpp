#include "counters.h"

#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace pipwell::stats {

bool addOne(QLineEdit *box) {
    QLocale locale;
    bool ok = false;
    const double value = locale.toDouble(box->text().trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return false;
    // Counters read as plain digits: no group separators, no exponent.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    box->setText(locale.toString(value + 1, 'f', QLocale::FloatingPointShortest));
    return true;
}

void mnuReset_Click(const Counters &counters) {
    counters.gamesToday->setText(QStringLiteral("0"));
    counters.gamesTotal->setText(QStringLiteral("0"));
    counters.gamesWon->setText(QStringLiteral("0"));
}

} // namespace pipwell::stats
