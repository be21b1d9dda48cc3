// The rules on their own: dice, counters and tile odds, on loose widgets without the window.

#include "counters.h"
#include "dice.h"
#include "odds.h"
#include "seams.h"
#include "turnflow.h"

#include <QLabel>
#include <QPushButton>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace pipwell;
using namespace pipwell::testing;

namespace {

// Just the widgets the rules touch, wired the way the window wires them.
struct LooseBoard {
    std::vector<std::unique_ptr<QWidget>> owned;
    QAction sounds{nullptr};
    Board board;

    template <typename W> W *make() {
        owned.push_back(std::make_unique<W>());
        return static_cast<W *>(owned.back().get());
    }
    LooseBoard() {
        for (int n = 0; n < 9; ++n) {
            board.tiles.at(n) = make<QPushButton>();
            board.numbers.at(n) = make<QLineEdit>();
            board.numbers.at(n)->setText(QString::number(n + 1));
        }
        board.die1 = make<QLineEdit>();
        board.die2 = make<QLineEdit>();
        board.sum = make<QLineEdit>();
        board.roll = make<QPushButton>();
        board.newGame = make<QPushButton>();
        board.newGame->setEnabled(false);
        for (int k = 0; k < 6; ++k) {
            board.die1Faces.at(k) = make<QLabel>();
            board.die2Faces.at(k) = make<QLabel>();
        }
        board.counters = {make<QLineEdit>(), make<QLineEdit>(), make<QLineEdit>()};
        for (QLineEdit *counter :
             {board.counters.gamesToday, board.counters.gamesTotal, board.counters.gamesWon})
            counter->setText(QStringLiteral("0"));
        sounds.setCheckable(true);
        board.sounds = &sounds; // unchecked: silent
    }
};

// Pearson's chi-square statistic against equal expected counts.
double chiSquare(const std::vector<long> &counts) {
    long total = 0;
    for (long c : counts)
        total += c;
    const double expected = static_cast<double>(total) / static_cast<double>(counts.size());
    double sum = 0;
    for (long c : counts)
        sum += (static_cast<double>(c) - expected) * (static_cast<double>(c) - expected) / expected;
    return sum;
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dieFromFractionCoversOneToSix() {
        QCOMPARE(dieFromFraction(0.0F), 1);
        QCOMPARE(dieFromFraction(std::nextafter(1.0F, 0.0F)), 6);
        // every sixth boundary lands on the higher face, just below it on the lower
        for (int k = 1; k < 6; ++k) {
            const float edge = static_cast<float>(k) / 6.0F;
            QCOMPARE(dieFromFraction(std::nextafter(edge, 0.0F)), k);
            QCOMPARE(dieFromFraction(std::nextafter(edge, 1.0F)), k + 1);
        }
        RandomDice dice(7);
        for (int i = 0; i < 100000; ++i) {
            const float r = dice.nextFraction();
            QVERIFY(r >= 0.0F && r < 1.0F);
        }
    }

    // Rolls through the real handler with a fixed seed; thresholds far in the tail (p < 1e-6)
    // so only a biased or dependent generator can fail, never chance.
    void rollsAreUniformAndIndependent() {
        LooseBoard loose;
        RecordingSound sound;
        RandomDice dice(20261208);
        TurnFlow flow(loose.board, {&dice, &sound, {}, {}, QStringLiteral("/tmp")});

        constexpr int rolls = 60000;
        std::vector<long> first(6), second(6), pairs(36), successive(36);
        int previous = -1;
        for (int i = 0; i < rolls; ++i) {
            flow.cmdRoll_Click();
            const int a = loose.board.die1->text().toInt();
            const int b = loose.board.die2->text().toInt();
            QVERIFY(a >= 1 && a <= 6 && b >= 1 && b <= 6);
            QCOMPARE(loose.board.sum->text().toInt(), a + b);
            ++first[a - 1];
            ++second[b - 1];
            ++pairs[(a - 1) * 6 + (b - 1)];
            if (previous >= 0)
                ++successive[previous * 6 + (a - 1)];
            previous = a - 1;
        }
        // chi-square critical values at p = 1e-6: 5 degrees of freedom 35.9, 35 of them 88.3
        QVERIFY2(chiSquare(first) < 35.9, qPrintable(QString::number(chiSquare(first))));
        QVERIFY2(chiSquare(second) < 35.9, qPrintable(QString::number(chiSquare(second))));
        QVERIFY2(chiSquare(pairs) < 88.3, qPrintable(QString::number(chiSquare(pairs))));
        QVERIFY2(chiSquare(successive) < 88.3, qPrintable(QString::number(chiSquare(successive))));
        QVERIFY(sound.paths.isEmpty()); // sounds off
    }

    void addOneRule_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("counted");
        QTest::addColumn<QString>("after");
        QTest::newRow("0") << QStringLiteral("0") << true << QStringLiteral("1");
        QTest::newRow("4") << QStringLiteral("4") << true << QStringLiteral("5");
        QTest::newRow("9 to 10") << QStringLiteral("9") << true << QStringLiteral("10");
        QTest::newRow("blanks around") << QStringLiteral(" 7 ") << true << QStringLiteral("8");
        QTest::newRow("no separator, no exponent")
            << QStringLiteral("999999") << true << QStringLiteral("1000000");
        QTest::newRow("fraction") << QStringLiteral("2.5") << true << QStringLiteral("3.5");
        QTest::newRow("negative") << QStringLiteral("-1") << true << QStringLiteral("0");
        QTest::newRow("empty") << QString() << false << QString();
        QTest::newRow("words") << QStringLiteral("ten") << false << QStringLiteral("ten");
        QTest::newRow("digits and words")
            << QStringLiteral("3 games") << false << QStringLiteral("3 games");
    }
    void addOneRule() {
        QFETCH(QString, text);
        QFETCH(bool, counted);
        QFETCH(QString, after);
        QLineEdit box;
        box.setText(text);
        QCOMPARE(stats::addOne(&box), counted);
        QCOMPARE(box.text(), after);
    }

    void newGameSkipsAnUnreadableCounter() {
        LooseBoard loose;
        RecordingSound sound;
        ScriptedDice dice;
        TurnFlow flow(loose.board, {&dice, &sound, {}, {}, QStringLiteral("/tmp")});
        loose.board.counters.gamesToday->setText(QString());
        dice.push(2, 2);
        flow.cmdRoll_Click();
        flow.cmdReset_Click();
        QCOMPARE(loose.board.counters.gamesToday->text(), QString());
        const BoardState after = readBoard(loose.board);
        QCOMPARE(after.open, QStringLiteral("123456789"));
        QVERIFY(after.roll && !after.newGame);
        QVERIFY(after.die1.isEmpty() && after.sum.isEmpty());
    }

    void tooltipOddsCountTheThrowsThatShutEachTile() {
        // Listed by hand from the 36 throws: tile n shuts on die 1 == n, die 2 == n or a sum of n.
        const std::array<int, 9> want{11, 12, 13, 14, 15, 16, 6, 5, 4};
        for (int n = 1; n <= 9; ++n)
            QCOMPARE(throwsThatShut(n), want.at(n - 1));
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
