#include "playlist_ui/SongSearch.h"

#include <QRegularExpression>

SongSearch::SongSearch(const QString& text)
    : words(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
    for (const QString& word : words) {
        matchers.emplace_back(word, Qt::CaseInsensitive);
    }
}

bool SongSearch::matches(const SongInfo& song) const {
    for (const QStringMatcher& matcher : matchers) {
        if (matcher.indexIn(song.title) < 0 && matcher.indexIn(song.artist) < 0 &&
            matcher.indexIn(song.path) < 0) {
            return false;
        }
    }
    return true;
}

bool SongSearch::narrows(const SongSearch& earlier) const {
    for (const QString& old : earlier.words) {
        const bool inside = std::any_of(words.begin(), words.end(), [&](const QString& word) {
            return word.contains(old, Qt::CaseInsensitive);
        });
        if (!inside) {
            return false;
        }
    }
    return true;
}
