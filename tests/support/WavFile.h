#pragma once

#include <QFile>
#include <QString>
#include <QtEndian>
#include <cmath>

// Writes a small 16-bit mono PCM WAV file holding a tone, for tests that need a song to play.
inline bool writeToneWav(const QString& path, double seconds, int rate = 8000) {
    const auto frames = static_cast<quint32>(seconds * rate);
    QByteArray bytes;
    auto put32 = [&bytes](quint32 value) {
        char raw[4];
        qToLittleEndian(value, raw);
        bytes.append(raw, 4);
    };
    auto put16 = [&bytes](quint16 value) {
        char raw[2];
        qToLittleEndian(value, raw);
        bytes.append(raw, 2);
    };
    bytes.append("RIFF");
    put32(36 + frames * 2);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(static_cast<quint32>(rate));
    put32(static_cast<quint32>(rate) * 2);
    put16(2);
    put16(16);
    bytes.append("data");
    put32(frames * 2);
    for (quint32 i = 0; i < frames; ++i) {
        put16(static_cast<quint16>(static_cast<qint16>(8000 * std::sin(i * 0.05))));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
