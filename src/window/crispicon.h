#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace pipwell {

/* A picture from the resources, in the given image format. */
QImage readPicture(const QString &resource, const char *format);

/* A pixel picture for a screen of the given scale, enlarged by whole pixels. */
QPixmap enlarged(const QImage &image, qreal ratio);

/* A PNG pixel picture as an icon that stays sharp at any scale: enlarged by whole pixels
   (nearest neighbour) to the size asked for, when it is asked for. */
QIcon crispIcon(const QString &resource);

} // namespace pipwell
