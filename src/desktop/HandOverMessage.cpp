#include "desktop/HandOverMessage.h"

#include <QFile>

namespace {

const QByteArray header = QByteArrayLiteral("VeskPlayer hand-over 1\0");
const QByteArray endRecord = QByteArrayLiteral("\0E\0");

void appendRecord(QByteArray& bytes, char kind, const QByteArray& payload) {
    bytes += kind;
    bytes += payload;
    bytes += '\0';
}

}  // namespace

QByteArray HandOverMessage::encode() const {
    QByteArray bytes = header;
    for (const QString& file : files) {
        appendRecord(bytes, 'F', QFile::encodeName(file));
    }
    for (DesktopAction action : actions) {
        appendRecord(bytes, 'A', DesktopActions::nameOf(action).toLatin1());
    }
    appendRecord(bytes, 'E', {});
    return bytes;
}

bool HandOverMessage::isComplete(const QByteArray& received) {
    return received.endsWith(endRecord);
}

std::optional<HandOverMessage> HandOverMessage::decode(const QByteArray& received) {
    if (!received.startsWith(header) || received.size() > maximumSize) {
        return std::nullopt;
    }
    HandOverMessage message;
    qsizetype at = header.size();
    while (at < received.size()) {
        const qsizetype end = received.indexOf('\0', at);
        if (end < 0) {
            return std::nullopt;
        }
        const char kind = received.at(at);
        const QByteArray payload = received.mid(at + 1, end - at - 1);
        at = end + 1;
        if (kind == 'E' && payload.isEmpty()) {
            return at == received.size() ? std::optional(message) : std::nullopt;
        }
        if (kind == 'F' && payload.startsWith('/')) {
            message.files.append(QFile::decodeName(payload));
        } else if (const auto action = DesktopActions::fromName(QString::fromLatin1(payload));
                   kind == 'A' && action) {
            message.actions.push_back(*action);
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;  // no end record
}
