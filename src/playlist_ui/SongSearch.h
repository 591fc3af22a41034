#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "playlist/SongInfo.h"

// What the playlist window's search field asks for: every word typed must appear in the
// song's title, artist or path, in any letter case. No words match every song.
class SongSearch {
public:
    explicit SongSearch(const QString& text = {});

    bool matchesAll() const { return words.isEmpty(); }
    bool matches(const SongInfo& song) const;
    // True when every song this search matches was matched by the earlier one too (each of
    // the earlier words lies inside one of these), so only its matches need looking at.
    bool narrows(const SongSearch& earlier) const;

private:
    QStringList words;
    // The words case-folded, to compare with the folded characters of each field.
    std::vector<std::u16string> foldedWords;
};
