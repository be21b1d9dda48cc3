#include "crispicon.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace pipwell {

namespace {

// Pixel pictures enlarged by whole pixels stay sharp on a scaled screen; smooth scaling
// would blur them.
QImage sharplyScaled(const QImage &image, const QSize &size) {
    return size == image.size() ? image
                                : image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Only the sizes a screen really asks for are drawn, not every scale a screen might have.
class CrispIconEngine final : public QIconEngine {
public:
    explicit CrispIconEngine(QImage image)
        : image_(std::move(image)) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override {
        return drawn(size, mode);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // From Qt 6.8 the size asked for is in device-independent pixels, before 6.8 in
        // device pixels.
        return drawn(size * scale, mode);
#else
        Q_UNUSED(scale);
        return drawn(size, mode);
#endif
    }

    // The one size drawn by hand; a window manager asks for this one only.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {image_.size()};
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override {
        return image_.size().scaled(size, Qt::KeepAspectRatio).boundedTo(size);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap pixmap = drawn(rect.size() * ratio, mode);
        pixmap.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), pixmap);
    }

    QIconEngine *clone() const override {
        return new CrispIconEngine(image_);
    }

private:
    // The picture at a size in device pixels, as large as fits.
    QPixmap drawn(const QSize &deviceSize, QIcon::Mode mode) {
        const QSize fitted = image_.size().scaled(deviceSize, Qt::KeepAspectRatio);
        const quint64 key =
            (quint64(fitted.width()) << 32U) | (quint64(fitted.height()) << 2U) | quint64(mode);
        if (const auto cached = drawnPixmaps_.constFind(key); cached != drawnPixmaps_.cend())
            return *cached;
        QPixmap pixmap = QPixmap::fromImage(sharplyScaled(image_, fitted));
        if (mode != QIcon::Normal) {
            // Greyed as Qt greys any icon it has no picture of its own for.
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        drawnPixmaps_.insert(key, pixmap);
        return pixmap;
    }

    QImage image_;
    QHash<quint64, QPixmap> drawnPixmaps_;
};

} // namespace

QPixmap enlarged(const QImage &image, qreal ratio) {
    QPixmap pixmap = QPixmap::fromImage(
        sharplyScaled(image, {qRound(image.width() * ratio), qRound(image.height() * ratio)}));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QImage readPicture(const QString &resource, const char *format) {
    QImageReader reader(resource, format);
    // Told the format, Qt reads it at once; left to guess, it first loads every image plugin
    // on the disk to ask whether the file is theirs.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon crispIcon(const QString &resource) {
    return QIcon(new CrispIconEngine(readPicture(resource, "png")));
}

} // namespace pipwell
