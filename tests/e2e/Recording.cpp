#include "Recording.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstring>

#include "PlayerProcess.h"

void Recording::recordInto(PlayerProcess& player, const QString& path) {
    QFile::remove(path);
    player.setVariable("SDL_AUDIODRIVER", "disk");
    player.setVariable("SDL_DISKAUDIOFILE", path);
    // 80 ms for each block of 4096 frames (93 ms of sound): slow enough that a player on a
    // loaded machine has opened the next song before the one playing ends, as it must on a
    // sound card (one opened late is recorded as silence).
    player.setVariable("SDL_DISKAUDIODELAY", "80");
}

bool Recording::waitForSeconds(const QString& path, double seconds) {
    QElapsedTimer waited;
    waited.start();
    qint64 size = 0;
    qint64 sizeSeenAt = 0;
    while (size < static_cast<qint64>(seconds * rate * 8) && waited.elapsed() < 20000 &&
           (size == 0 || waited.elapsed() - sizeSeenAt < 1000)) {
        QThread::msleep(20);
        if (QFileInfo(path).size() != size) {
            size = QFileInfo(path).size();
            sizeSeenAt = waited.elapsed();
        }
    }
    return size > 0;
}

std::vector<float> Recording::samples(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    std::vector<float> samples(static_cast<size_t>(bytes.size()) / sizeof(float));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
    return samples;
}

std::pair<size_t, size_t> Recording::soundingSpan(const std::vector<float>& samples) {
    const auto silent = [&](size_t frame) {
        return samples[frame * 2] == 0.0f && samples[frame * 2 + 1] == 0.0f;
    };
    size_t begin = 0;
    size_t end = samples.size() / 2;
    while (begin < end && silent(begin)) {
        ++begin;
    }
    while (end > begin && silent(end - 1)) {
        --end;
    }
    return {begin, end};
}
