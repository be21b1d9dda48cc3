// Checks the six committed die-face bitmaps byte by byte: the file layout the window
// relies on, the bevel, the white field and the pips. Pixels are decoded here from the
// raw bytes, so a file that only happens to load in Qt still fails on a wrong layout.

#include "testprogram.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace {

constexpr int Size = 49;
constexpr int HeaderBytes = 54;
constexpr int RowBytes = 148; // 49 * 3 = 147 bytes of pixels, padded to a multiple of 4
constexpr int FileBytes = HeaderBytes + RowBytes * Size;
constexpr int Cell = 10; // pips are drawn in 10 x 10 cells

// The white field inside the bevel.
constexpr int FieldLeft = 4;
constexpr int FieldRight = 45;
constexpr int FieldTop = 3;
constexpr int FieldBottom = 44;

// Bevel ring k (0 outermost): the shaded left and bottom sides, the lit top and right.
constexpr std::array<int, 4> Shaded{64, 111, 159, 207};
constexpr std::array<int, 4> Lit{111, 159, 207, 255};

QString facePath(int face) {
    return pipwell::testing::sourceDir() + QStringLiteral("/assets/faces/face%1.bmp").arg(face);
}

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

// Pixel access on the raw file, y downward as the picture is seen.
class Bitmap {
public:
    explicit Bitmap(QByteArray bytes)
        : m_bytes(std::move(bytes)) {}

    const QByteArray &bytes() const { return m_bytes; }
    quint16 u16(int offset) const {
        return qFromLittleEndian<quint16>(m_bytes.constData() + offset);
    }
    quint32 u32(int offset) const {
        return qFromLittleEndian<quint32>(m_bytes.constData() + offset);
    }
    qint32 i32(int offset) const { return qFromLittleEndian<qint32>(m_bytes.constData() + offset); }

    Rgb pixel(int x, int y) const {
        // Rows are stored bottom row first, pixels as blue, green, red.
        const int at = HeaderBytes + (Size - 1 - y) * RowBytes + x * 3;
        const auto byte = [&](int i) { return static_cast<unsigned char>(m_bytes.at(at + i)); };
        return {byte(2), byte(1), byte(0)};
    }
    int grey(int x, int y) const { return pixel(x, y).r; }

private:
    QByteArray m_bytes;
};

Bitmap loadFace(int face) {
    QFile file(facePath(face));
    if (!file.open(QIODevice::ReadOnly))
        return Bitmap(QByteArray());
    return Bitmap(file.readAll());
}

// Top-left pixel of the cell of a pip centred at c.
QPoint cellOrigin(QPointF c) {
    return QPoint(qRound(c.x() - 4.5), qRound(c.y() - 4.5));
}

QList<QPointF> pipCentres(int face) {
    switch (face) {
    case 1:
        return {{24.5, 23.5}};
    case 2:
        return {{10.5, 8.5}, {38.5, 36.5}};
    case 3:
        return {{10.5, 8.5}, {24.5, 22.5}, {37.5, 37.5}};
    case 4:
        return {{10.5, 8.5}, {38.5, 8.5}, {10.5, 36.5}, {38.5, 36.5}};
    case 5:
        return {{11.5, 8.5}, {37.5, 8.5}, {24.5, 22.5}, {11.5, 36.5}, {37.5, 37.5}};
    case 6:
        return {{11.5, 8.5}, {36.5, 8.5}, {11.5, 23.5}, {36.5, 23.5}, {11.5, 37.5}, {36.5, 38.5}};
    }
    return {};
}

struct Blob {
    int count = 0;
    int left = Size;
    int right = -1;
    int top = Size;
    int bottom = -1;
    double centreX() const { return (left + right) / 2.0; }
    double centreY() const { return (top + bottom) / 2.0; }
};

// Groups the non-white pixels of the field into 8-connected blobs, without any
// knowledge of where the pips ought to be.
QList<Blob> findBlobs(const Bitmap &bmp) {
    QList<Blob> blobs;
    std::array<std::array<bool, Size>, Size> seen{};
    for (int y0 = FieldTop; y0 <= FieldBottom; ++y0) {
        for (int x0 = FieldLeft; x0 <= FieldRight; ++x0) {
            if (seen[y0][x0] || bmp.grey(x0, y0) == 255)
                continue;
            Blob blob;
            QList<QPoint> stack{{x0, y0}};
            seen[y0][x0] = true;
            while (!stack.isEmpty()) {
                const QPoint p = stack.takeLast();
                ++blob.count;
                blob.left = std::min(blob.left, p.x());
                blob.right = std::max(blob.right, p.x());
                blob.top = std::min(blob.top, p.y());
                blob.bottom = std::max(blob.bottom, p.y());
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = p.x() + dx;
                        const int y = p.y() + dy;
                        if (x < FieldLeft || x > FieldRight || y < FieldTop || y > FieldBottom)
                            continue;
                        if (seen[y][x] || bmp.grey(x, y) == 255)
                            continue;
                        seen[y][x] = true;
                        stack.append({x, y});
                    }
                }
            }
            blobs.append(blob);
        }
    }
    return blobs;
}

} // namespace

class TestFaceImages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileLayout_data();
    void fileLayout();
    void pixelsAreGrey_data() { faceRows(); }
    void pixelsAreGrey();
    void qtDecodesTheSamePixels_data() { faceRows(); }
    void qtDecodesTheSamePixels();
    void bevelRings_data() { faceRows(); }
    void bevelRings();
    void fieldIsWhiteOutsidePips_data() { faceRows(); }
    void fieldIsWhiteOutsidePips();
    void pipCells_data() { faceRows(); }
    void pipCells();
    void pipsAreAllAlike();
    void pipCountMatchesFace_data() { faceRows(); }
    void pipCountMatchesFace();
    void twoAndThreeUseFallingDiagonal_data();
    void twoAndThreeUseFallingDiagonal();

private:
    static void faceRows();
};

void TestFaceImages::faceRows() {
    QTest::addColumn<int>("face");
    for (int face = 1; face <= 6; ++face)
        QTest::addRow("face%d", face) << face;
}

void TestFaceImages::fileLayout_data() {
    faceRows();
}

void TestFaceImages::fileLayout() {
    QFETCH(int, face);
    const Bitmap bmp = loadFace(face);
    QCOMPARE(bmp.bytes().size(), 7306);

    // File header.
    QCOMPARE(bmp.bytes().left(2), QByteArray("BM"));
    QCOMPARE(bmp.u32(2), quint32(7306));
    QCOMPARE(bmp.u32(10), quint32(54));

    // BITMAPINFOHEADER.
    QCOMPARE(bmp.u32(14), quint32(40));
    QCOMPARE(bmp.i32(18), 49);
    QCOMPARE(bmp.i32(22), 49); // positive: bottom-up rows
    QCOMPARE(bmp.u16(26), quint16(1));
    QCOMPARE(bmp.u16(28), quint16(24));
    QCOMPARE(bmp.u32(30), quint32(0)); // uncompressed
    QCOMPARE(bmp.u32(34), quint32(7252));
    QCOMPARE(bmp.i32(38), 0);
    QCOMPARE(bmp.i32(42), 0);
    QCOMPARE(bmp.u32(46), quint32(0));

    // One padding byte closes each 147-byte row.
    for (int row = 0; row < Size; ++row) {
        const int pad = HeaderBytes + row * RowBytes + Size * 3;
        QVERIFY2(bmp.bytes().at(pad) == 0, qPrintable(QStringLiteral("row %1").arg(row)));
    }
}

void TestFaceImages::pixelsAreGrey() {
    QFETCH(int, face);
    const Bitmap bmp = loadFace(face);
    QCOMPARE(bmp.bytes().size(), FileBytes);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const Rgb p = bmp.pixel(x, y);
            if (p.r != p.g || p.g != p.b)
                QFAIL(qPrintable(QStringLiteral("(%1, %2) is (%3, %4, %5)")
                                     .arg(x)
                                     .arg(y)
                                     .arg(p.r)
                                     .arg(p.g)
                                     .arg(p.b)));
        }
    }
}

void TestFaceImages::qtDecodesTheSamePixels() {
    QFETCH(int, face);
    const QImage image(facePath(face));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(Size, Size));

    // Agreement with Qt's decoder confirms the row order read here.
    const Bitmap bmp = loadFace(face);
    QCOMPARE(bmp.bytes().size(), FileBytes);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const QRgb q = image.pixel(x, y);
            const Rgb p = bmp.pixel(x, y);
            if (qRed(q) != p.r || qGreen(q) != p.g || qBlue(q) != p.b)
                QFAIL(qPrintable(QStringLiteral("(%1, %2) differs").arg(x).arg(y)));
        }
    }
}

void TestFaceImages::bevelRings() {
    QFETCH(int, face);
    const Bitmap bmp = loadFace(face);
    QCOMPARE(bmp.bytes().size(), FileBytes);
    const int last = Size - 1;
    for (int k = 0; k < 4; ++k) {
        const QString ring = QStringLiteral("ring %1").arg(k);
        // Whole left column and bottom row, their shared corner included.
        for (int i = k; i <= last - k; ++i) {
            QVERIFY2(bmp.grey(k, i) == Shaded[k], qPrintable(ring + QStringLiteral(" left")));
            QVERIFY2(bmp.grey(i, last - k) == Shaded[k],
                     qPrintable(ring + QStringLiteral(" bottom")));
        }
        // Top row and right column, short of the corners the shaded sides take.
        for (int i = k + 1; i <= last - k; ++i)
            QVERIFY2(bmp.grey(i, k) == Lit[k], qPrintable(ring + QStringLiteral(" top")));
        for (int i = k; i < last - k; ++i)
            QVERIFY2(bmp.grey(last - k, i) == Lit[k], qPrintable(ring + QStringLiteral(" right")));

        // The corners by name.
        QCOMPARE(bmp.grey(k, k), Shaded[k]);               // top-left: the left column
        QCOMPARE(bmp.grey(last - k, last - k), Shaded[k]); // bottom-right: the bottom row
        QCOMPARE(bmp.grey(last - k, k), Lit[k]);
        QCOMPARE(bmp.grey(k, last - k), Shaded[k]);
    }

    // Seen across the middle: four shaded steps on the left and bottom, three lit
    // steps on the top and right, then white.
    const int mid = 24;
    QCOMPARE((QList<int>{bmp.grey(0, mid), bmp.grey(1, mid), bmp.grey(2, mid), bmp.grey(3, mid),
                         bmp.grey(4, mid)}),
             (QList<int>{64, 111, 159, 207, 255}));
    QCOMPARE((QList<int>{bmp.grey(mid, last), bmp.grey(mid, last - 1), bmp.grey(mid, last - 2),
                         bmp.grey(mid, last - 3), bmp.grey(mid, last - 4)}),
             (QList<int>{64, 111, 159, 207, 255}));
    QCOMPARE((QList<int>{bmp.grey(mid, 0), bmp.grey(mid, 1), bmp.grey(mid, 2), bmp.grey(mid, 3)}),
             (QList<int>{111, 159, 207, 255}));
    QCOMPARE((QList<int>{bmp.grey(last, mid), bmp.grey(last - 1, mid), bmp.grey(last - 2, mid),
                         bmp.grey(last - 3, mid)}),
             (QList<int>{111, 159, 207, 255}));
}

void TestFaceImages::fieldIsWhiteOutsidePips() {
    QFETCH(int, face);
    const Bitmap bmp = loadFace(face);
    QCOMPARE(bmp.bytes().size(), FileBytes);

    QSet<QPair<int, int>> inCells;
    for (const QPointF &c : pipCentres(face)) {
        const QPoint o = cellOrigin(c);
        QVERIFY(o.x() >= FieldLeft && o.x() + Cell - 1 <= FieldRight);
        QVERIFY(o.y() >= FieldTop && o.y() + Cell - 1 <= FieldBottom);
        for (int dy = 0; dy < Cell; ++dy)
            for (int dx = 0; dx < Cell; ++dx)
                inCells.insert({o.x() + dx, o.y() + dy});
    }
    for (int y = FieldTop; y <= FieldBottom; ++y) {
        for (int x = FieldLeft; x <= FieldRight; ++x) {
            if (inCells.contains({x, y}))
                continue;
            if (bmp.grey(x, y) != 255)
                QFAIL(qPrintable(QStringLiteral("(%1, %2) is %3, outside every pip")
                                     .arg(x)
                                     .arg(y)
                                     .arg(bmp.grey(x, y))));
        }
    }
}

void TestFaceImages::pipCells() {
    QFETCH(int, face);
    const Bitmap bmp = loadFace(face);
    QCOMPARE(bmp.bytes().size(), FileBytes);

    for (const QPointF &c : pipCentres(face)) {
        const QPoint o = cellOrigin(c);
        const QString where = QStringLiteral("pip at (%1, %2)").arg(c.x()).arg(c.y());
        const auto g = [&](int dx, int dy) { return bmp.grey(o.x() + dx, o.y() + dy); };

        // The centre lies where four pixels meet; all four are black.
        for (int dy = 4; dy <= 5; ++dy)
            for (int dx = 4; dx <= 5; ++dx)
                QVERIFY2(g(dx, dy) == 0, qPrintable(where + QStringLiteral(" centre")));
        // The disc leaves the cell's corners white.
        QVERIFY2(g(0, 0) == 255 && g(Cell - 1, 0) == 255,
                 qPrintable(where + QStringLiteral(" top corners")));
        QVERIFY2(g(0, Cell - 1) == 255 && g(Cell - 1, Cell - 1) == 255,
                 qPrintable(where + QStringLiteral(" bottom corners")));

        int rim = 0;
        for (int dy = 0; dy < Cell; ++dy) {
            for (int dx = 0; dx < Cell; ++dx) {
                const int grey = g(dx, dy);
                const QString at =
                    where + QStringLiteral(" pixel (%1, %2) grey %3").arg(dx).arg(dy).arg(grey);
                // Pixel square [dx, dx+1] x [dy, dy+1] against the disc of radius 5 around
                // the cell's middle (5, 5): nearest and farthest squared distances.
                const auto nearest = [](int lo) {
                    return lo >= 5 ? lo - 5 : (lo + 1 <= 5 ? 5 - (lo + 1) : 0);
                };
                const auto farthest = [](int lo) {
                    return std::max(std::abs(lo - 5), std::abs(lo + 1 - 5));
                };
                const int nearSq = nearest(dx) * nearest(dx) + nearest(dy) * nearest(dy);
                const int farSq = farthest(dx) * farthest(dx) + farthest(dy) * farthest(dy);
                if (farSq <= 25)
                    QVERIFY2(grey == 0, qPrintable(at + QStringLiteral(" should be covered")));
                else if (nearSq >= 25)
                    QVERIFY2(grey == 255, qPrintable(at + QStringLiteral(" should be clear")));
                else if (grey != 0 && grey != 255) {
                    QVERIFY2(grey >= 8 && grey <= 248,
                             qPrintable(at + QStringLiteral(" rim grey out of range")));
                    ++rim;
                }
                // Round and unlit: mirror images across both middle lines.
                QVERIFY2(grey == g(Cell - 1 - dx, dy),
                         qPrintable(at + QStringLiteral(" not mirrored")));
                QVERIFY2(grey == g(dx, Cell - 1 - dy),
                         qPrintable(at + QStringLiteral(" not mirrored")));
                QVERIFY2(grey == g(dy, dx),
                         qPrintable(at + QStringLiteral(" not mirrored on the diagonal")));
                // Lighter towards the rim: in the top-left quarter no step inwards lightens.
                if (dx < 4 && dy < 5)
                    QVERIFY2(g(dx + 1, dy) <= grey,
                             qPrintable(at + QStringLiteral(" lighter inwards")));
                if (dy < 4 && dx < 5)
                    QVERIFY2(g(dx, dy + 1) <= grey,
                             qPrintable(at + QStringLiteral(" lighter inwards")));
            }
        }
        // Anti-aliased, not a hard-edged blob.
        QVERIFY2(rim >= 8, qPrintable(where + QStringLiteral(" has no soft rim")));
        // Ten pixels across, the middle rows and columns reach the cell's edges.
        QVERIFY2(g(0, 4) < 255 && g(Cell - 1, 5) < 255 && g(4, 0) < 255 && g(5, Cell - 1) < 255,
                 qPrintable(where + QStringLiteral(" narrower than its cell")));
    }
}

void TestFaceImages::pipsAreAllAlike() {
    // Every pip on every face is the same 10 x 10 picture as the one-pip face's.
    const Bitmap one = loadFace(1);
    QCOMPARE(one.bytes().size(), FileBytes);
    const QPoint ref = cellOrigin(pipCentres(1).first());
    for (int face = 1; face <= 6; ++face) {
        const Bitmap bmp = loadFace(face);
        QCOMPARE(bmp.bytes().size(), FileBytes);
        for (const QPointF &c : pipCentres(face)) {
            const QPoint o = cellOrigin(c);
            for (int dy = 0; dy < Cell; ++dy)
                for (int dx = 0; dx < Cell; ++dx)
                    QVERIFY2(bmp.grey(o.x() + dx, o.y() + dy) ==
                                 one.grey(ref.x() + dx, ref.y() + dy),
                             qPrintable(QStringLiteral("face %1 pip at (%2, %3)")
                                            .arg(face)
                                            .arg(c.x())
                                            .arg(c.y())));
        }
    }
}

void TestFaceImages::pipCountMatchesFace() {
    QFETCH(int, face);
    const Bitmap bmp = loadFace(face);
    QCOMPARE(bmp.bytes().size(), FileBytes);
    const QList<Blob> blobs = findBlobs(bmp);
    QCOMPARE(blobs.size(), face);
    for (const Blob &b : blobs) {
        QCOMPARE(b.right - b.left + 1, Cell);
        QCOMPARE(b.bottom - b.top + 1, Cell);
    }
}

void TestFaceImages::twoAndThreeUseFallingDiagonal_data() {
    QTest::addColumn<int>("face");
    QTest::newRow("face2") << 2;
    QTest::newRow("face3") << 3;
}

void TestFaceImages::twoAndThreeUseFallingDiagonal() {
    QFETCH(int, face);
    const Bitmap bmp = loadFace(face);
    QCOMPARE(bmp.bytes().size(), FileBytes);
    const double middle = (Size - 1) / 2.0;
    const double offCentre = 6; // further than this from the middle counts as a corner
    int topLeft = 0;
    int bottomRight = 0;
    for (const Blob &b : findBlobs(bmp)) {
        const double dx = b.centreX() - middle;
        const double dy = b.centreY() - middle;
        const bool left = dx < -offCentre;
        const bool right = dx > offCentre;
        const bool top = dy < -offCentre;
        const bool bottom = dy > offCentre;
        QVERIFY2(!(right && top), "pip at top right");
        QVERIFY2(!(left && bottom), "pip at bottom left");
        topLeft += left && top;
        bottomRight += right && bottom;
    }
    QCOMPARE(topLeft, 1);
    QCOMPARE(bottomRight, 1);
}

QTEST_MAIN(TestFaceImages)
#include "tst_faceimages.moc"
