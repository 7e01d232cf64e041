#pragma once

#include <QStringList>
#include <QStringView>

#include <string>
#include <unordered_set>
#include <vector>

namespace kvf::views {

// What a token of a text line is coloured as.
enum class TokenKind { Comment, String, Keyword, SecondWord };

struct HighlightToken {
    int Start;
    int Length;
    TokenKind Kind;
};

// The two word lists of the highlighter: the keywords of the catalogue (first list) and the
// data type names and the identification line (second list). Look-up ignores ASCII case
// unless the case-sensitive flag is set.
class HighlightWords {
  public:
    // The catalogue's keywords and the fixed second list.
    static HighlightWords Standard();

    // Both setters append to the stored list (blank-separated words).
    void AddKeywords(const QStringList& words);
    void AddSecondWords(const QStringList& words);
    void SetCaseSensitive(bool on) { caseSensitive_ = on; }

    bool IsKeyword(QStringView word) const { return Contains(keywords_, word); }
    bool IsSecondWord(QStringView word) const { return Contains(secondWords_, word); }

  private:
    struct WordSet {
        std::unordered_set<std::string> Exact;
        std::unordered_set<std::string> Folded;
    };
    static void Add(WordSet& set, const QStringList& words);
    bool Contains(const WordSet& set, QStringView word) const;

    WordSet keywords_;
    WordSet secondWords_;
    bool caseSensitive_ = false;
};

// The characters a word is made of: ASCII letters and digits, '#', '_' and '.'. Digits start
// words too, so that keywords such as 9.6_supp and 24V_Pins are found (numbers are words
// that are in no list).
bool IsWordCharacter(QChar c);

// Splits one line of text (without its line break) into the tokens the highlighter colours:
// a ';' starts a comment that runs to the end of the line; a '"' starts a string that runs
// to the next '"' (included) or the end of the line, so a ';' inside a string is text; a
// word is coloured when it is in one of the lists. Text between tokens is not listed.
std::vector<HighlightToken> ScanLine(QStringView line, const HighlightWords& words);

} // namespace kvf::views
