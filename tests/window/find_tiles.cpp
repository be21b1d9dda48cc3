// Finds the nine tile pictures, each enlarged pixel for pixel by a ratio, in a screenshot:
// exit 0 when all nine stand in it, in a row from left to right.
//
//   find_tiles <screenshot.png> <ratio> <pictures folder>

#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

// Where the picture first stands pixel for pixel within rows [top, bottom] right of `left`.
QPoint find(const QImage &shot, const QImage &want, int left, int top, int bottom) {
    const auto rowBytes = static_cast<size_t>(want.width()) * 4;
    for (int y = qMax(top, 0); y <= qMin(bottom, shot.height() - want.height()); ++y) {
        for (int x = qMax(left, 0); x <= shot.width() - want.width(); ++x) {
            int row = 0;
            while (row < want.height() &&
                   std::memcmp(shot.constScanLine(y + row) + static_cast<ptrdiff_t>(x) * 4,
                               want.constScanLine(row), rowBytes) == 0)
                ++row;
            if (row == want.height())
                return {x, y};
        }
    }
    return {-1, -1};
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: find_tiles <screenshot.png> <ratio> <pictures folder>\n");
        return 2;
    }
    const QImage shot =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const int ratio = QString::fromLatin1(argv[2]).toInt();
    QPoint previous(0, 0);
    for (int n = 1; n <= 9; ++n) {
        const QImage picture =
            QImage(QString::fromLocal8Bit(argv[3]) + QStringLiteral("/tile%1.png").arg(n))
                .convertToFormat(QImage::Format_RGB32);
        if (picture.isNull()) {
            std::fprintf(stderr, "tile%d.png cannot be read\n", n);
            return 2;
        }
        const QImage want = picture.scaled(picture.size() * ratio);
        // The tile pictures stand in a row within a few pixels of each other's height.
        const int slack = 8 * ratio;
        const QPoint at =
            n == 1 ? find(shot, want, 0, 0, shot.height())
                   : find(shot, want, previous.x() + 1, previous.y() - slack, previous.y() + slack);
        if (at.x() < 0) {
            std::printf("tile %d: not found at %dx\n", n, ratio);
            return 1;
        }
        std::printf("tile %d at %d,%d\n", n, at.x(), at.y());
        previous = at;
    }
    return 0;
}
