#pragma once

#include "playlist/TagReader.h"

// Reads title and artist from the tags of every sound file kind the player adds, through TagLib:
// ID3v2 (2.2 to 2.4), then APE, then ID3 version 1 for MP3; Vorbis comments for Ogg Vorbis and
// FLAC; RIFF INFO (then ID3v2) for WAV; the module title for MOD, IT, S3M and XM. The kind comes
// from the file name's extension. ID3 version 1 is read by the player's own rule (30 bytes,
// Latin-1, spaces kept; both fields empty count as no tag). Part of the sound module: the rest
// of the player reads tags through TagReader.
class TagLibReader {
public:
    // From an open descriptor of a regular file of the given size; the descriptor stays open.
    static SongTags read(int descriptor, long long size, const QString& path);

    // The ID3 version 1 tag in the last 128 bytes alone.
    static SongTags readId3v1(int descriptor, long long size);
};
