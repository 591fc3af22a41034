#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// Sound files made at run time for the tests and benchmarks: a rising tone (no two stretches
// of it alike, so a decoded block shows where in the file it came from) written with
// libsndfile in every format it can write, and a tracker module put together byte by byte.
class GeneratedSounds {
public:
    // Opus is encoded by the reference encoder, opusenc (from a WAV libsndfile writes).
    enum class Format { Wav, Flac, OggVorbis, Mp3, Opus };
    // A tone file to make: its name, format, rate and channel count.
    struct ToneFile {
        const char* name;
        Format format;
        int rate;
        int channels;
    };

    // The tone as written: frames x channels interleaved floats.
    static std::vector<float> tone(int rate, int channels, double seconds);
    // False when libsndfile (or opusenc) cannot write the file.
    static bool writeTone(const QString& path, Format format, int rate, int channels,
                          double seconds);

    // A 31-sample ProTracker module ("M.K."): one looped 64-byte sample played from the first
    // row at speed 3, ended by a pattern break on row 31, so it lasts 32 rows x 3 ticks x
    // 20 ms = 1.92 seconds.
    static QByteArray protrackerModule();
    static constexpr double protrackerModuleSeconds = 1.92;

    // The MP3 without the encoder's info frame (the first frame, holding "Info" or "Xing"), so
    // that its length can only come from counting the frames; unchanged when it has none.
    static QByteArray withoutInfoFrame(QByteArray mp3);

    static bool writeBytes(const QString& path, const QByteArray& bytes);
    // Adds the fields (key, value) to the file's usual tag with TagLib: Vorbis comments in FLAC,
    // Ogg Vorbis and Opus, ID3v2 (TXXX frames) in MP3. False when the file cannot be tagged.
    static bool writeTags(const QString& path,
                          const std::vector<std::pair<QString, QString>>& fields);
    // Reproducible noise.
    static QByteArray randomBytes(int size, unsigned seed);
};
