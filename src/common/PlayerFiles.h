#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// Two small files of the data folder beside the settings files, in their style ("#VP-V1.0.0",
// an empty line, then key and value lines, CR LF between lines):
// - "player": the choices of the skin menu's "Player" submenu;
// - "resume": the song playing at exit and how far it had played.
// Unlike the settings files they are read strictly: every key must be where it belongs and every
// value one the writer writes, or the file counts as damaged.
namespace PlayerFiles {

inline constexpr const char* choicesFileName = "player";
inline constexpr const char* resumeFileName = "resume";

// Which ReplayGain scales the songs.
enum class ReplayGainMode { Track, Album, Off };

struct PlayerChoices {
    ReplayGainMode replayGain = ReplayGainMode::Track;
    bool resume = true;

    bool operator==(const PlayerChoices&) const = default;
};

struct ResumePoint {
    QString path;  // the song's file
    uint32_t positionMs = 0;

    bool operator==(const ResumePoint&) const = default;
};

// A damaged file gives the default choices.
PlayerChoices parseChoices(const QByteArray& contents);
QByteArray serializeChoices(const PlayerChoices& choices);

// A damaged file gives nothing: the song starts from the beginning.
std::optional<ResumePoint> parseResumePoint(const QByteArray& contents);
QByteArray serializeResumePoint(const ResumePoint& point);

}  // namespace PlayerFiles
