#include "playlist_ui/SongSearch.h"

#include <QRegularExpression>

namespace {

// Folding stays cheap for the ASCII letters most names are made of.
inline char16_t folded(char16_t c) {
    if (c < 0x80) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    }
    return QChar::toCaseFolded(c);
}

bool containsFolded(QStringView field, const std::u16string& word) {
    const qsizetype length = static_cast<qsizetype>(word.size());
    const char16_t* text = field.utf16();
    const char16_t first = word[0];
    for (qsizetype at = 0; at + length <= field.size(); ++at) {
        if (folded(text[at]) != first) {
            continue;
        }
        qsizetype matched = 1;
        while (matched < length && folded(text[at + matched]) == word[matched]) {
            ++matched;
        }
        if (matched == length) {
            return true;
        }
    }
    return false;
}

}  // namespace

SongSearch::SongSearch(const QString& text)
    : words(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
    for (const QString& word : words) {
        std::u16string folding;
        for (const QChar c : word) {
            folding += folded(c.unicode());
        }
        foldedWords.push_back(std::move(folding));
    }
}

bool SongSearch::matches(const SongInfo& song) const {
    for (const std::u16string& word : foldedWords) {
        if (!containsFolded(song.title, word) && !containsFolded(song.artist, word) &&
            !containsFolded(song.path, word)) {
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
