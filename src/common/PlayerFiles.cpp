#include "common/PlayerFiles.h"

#include <QList>
#include <algorithm>
#include <array>

#include "common/StoredText.h"

namespace {

const QByteArray header = "#VP-V1.0.0";
const std::array<QByteArray, 3> modeNames = {"track", "album", "off"};

QByteArray fileOf(const QList<QByteArray>& keysAndValues) {
    QByteArray bytes = header + "\r\n";
    for (const QByteArray& line : keysAndValues) {
        bytes += "\r\n" + line;
    }
    return bytes;
}

// The values of the keys, in order, when the file is exactly the header, an empty line and
// those keys each followed by one value line.
std::optional<QList<QByteArray>> valuesOf(const QByteArray& contents,
                                          const QList<QByteArray>& keys) {
    const QList<QByteArray> lines = contents.split('\n');
    if (lines.size() != 2 + 2 * keys.size()) {
        return std::nullopt;
    }
    QList<QByteArray> trimmed;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (i + 1 < lines.size()) {
            if (!line.endsWith('\r')) {
                return std::nullopt;
            }
            line.chop(1);
        }
        trimmed.append(line);
    }
    if (trimmed[0] != header || !trimmed[1].isEmpty()) {
        return std::nullopt;
    }
    QList<QByteArray> values;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (trimmed[2 + 2 * i] != keys[i]) {
            return std::nullopt;
        }
        values.append(trimmed[3 + 2 * i]);
    }
    return values;
}

}  // namespace

PlayerFiles::PlayerChoices PlayerFiles::parseChoices(const QByteArray& contents) {
    const auto values = valuesOf(contents, {"-replaygain", "-resume"});
    if (!values) {
        return {};
    }
    PlayerChoices choices;
    const auto mode = std::find(modeNames.begin(), modeNames.end(), (*values)[0]);
    const QByteArray& resume = (*values)[1];
    if (mode == modeNames.end() || (resume != "0" && resume != "1")) {
        return {};
    }
    choices.replayGain = static_cast<ReplayGainMode>(mode - modeNames.begin());
    choices.resume = resume == "1";
    return choices;
}

QByteArray PlayerFiles::serializeChoices(const PlayerChoices& choices) {
    return fileOf({"-replaygain", modeNames[static_cast<size_t>(choices.replayGain)], "-resume",
                   choices.resume ? "1" : "0"});
}

std::optional<PlayerFiles::ResumePoint> PlayerFiles::parseResumePoint(const QByteArray& contents) {
    const auto values = valuesOf(contents, {"-song", "-position"});
    if (!values) {
        return std::nullopt;
    }
    const QByteArray& position = (*values)[1];
    bool isNumber = false;
    const uint32_t positionMs = position.toUInt(&isNumber);
    // Only the digits the writer writes: no sign, no spaces, no leading zeros.
    if (!isNumber || position != QByteArray::number(positionMs) || (*values)[0].isEmpty()) {
        return std::nullopt;
    }
    return ResumePoint{StoredText::decode((*values)[0]), positionMs};
}

QByteArray PlayerFiles::serializeResumePoint(const ResumePoint& point) {
    return fileOf({"-song", StoredText::encode(point.path), "-position",
                   QByteArray::number(point.positionMs)});
}
