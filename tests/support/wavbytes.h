#pragma once

// Sound files written byte by byte, with headers that no encoder would write.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace pipwell::testing {

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A 16-bit PCM WAV header with the given fields, for headers libsndfile would never write.
inline QByteArray wavHeader(int channels, int rate, quint32 dataBytes, quint32 riffBytes) {
    QByteArray h;
    auto u32 = [&h](quint32 v) {
        for (int i = 0; i < 4; ++i)
            h.append(char((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&h](quint16 v) {
        h.append(char(v & 0xff));
        h.append(char(v >> 8));
    };
    h.append("RIFF");
    u32(riffBytes);
    h.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(quint16(channels));
    u32(quint32(rate));
    u32(quint32(rate * channels * 2));
    u16(quint16(channels * 2));
    u16(16);
    h.append("data");
    u32(dataBytes);
    return h;
}

} // namespace pipwell::testing
