#pragma once
#include <QDataStream>
#include <cmath>
#include "support/Files.h"

// Writes a small 16-bit mono PCM WAV file holding a tone, for tests that need a song to play.
inline bool writeToneWav(const QString& path, double seconds, int rate = 8000) {
    const auto frames = static_cast<quint32>(seconds * rate);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + frames * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(frames * 2);
    for (quint32 i = 0; i < frames; ++i) {
        out << static_cast<qint16>(8000 * std::sin(i * 0.05));
    }
    return writeFile(path, bytes);
}
