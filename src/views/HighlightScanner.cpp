#include "views/HighlightScanner.h"

#include "catalogue/KeywordCatalogue.h"
#include "core/InputForm.h"

namespace kvf::views {
namespace {

constexpr char16_t kCommentCharacter = u';';
constexpr char16_t kStringDelimiter = u'"';

// The data type names and the identification line: coloured in their own colour, so they
// stand apart from the keywords.
const char* const kSecondList[] = {"#Talveron_DP", "Unsigned8", "Unsigned16", "Unsigned32",
                                   "Boolean",      "Bit",       "BitArea",    "Signed8",
                                   "Signed16",     "Signed32"};

char FoldAscii(char16_t c) {
    return static_cast<char>(c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c);
}

} // namespace

bool IsWordCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
           u == u'#' || u == u'_' || u == u'.';
}

HighlightWords HighlightWords::Standard() {
    HighlightWords words;
    QStringList keywords;
    for (const CatalogueRow& row : KeywordCatalogue::Instance().Rows()) {
        // The parameter data type lines are catalogue rows, but their names belong to the
        // second list: in the first they would hide it.
        if (ChoosesDataType(row.Form))
            continue;
        for (const CatalogueKeyword& keyword : row.Keywords)
            keywords << QString::fromLatin1(keyword.Name.data(),
                                            static_cast<qsizetype>(keyword.Name.size()));
    }
    words.AddKeywords(keywords);
    QStringList second;
    for (const char* word : kSecondList)
        second << QString::fromLatin1(word);
    words.AddSecondWords(second);
    return words;
}

void HighlightWords::AddKeywords(const QStringList& words) {
    Add(keywords_, words);
}

void HighlightWords::AddSecondWords(const QStringList& words) {
    Add(secondWords_, words);
}

void HighlightWords::Add(WordSet& set, const QStringList& words) {
    for (const QString& word : words) {
        // Only words the scanner can produce can ever match.
        std::string exact;
        std::string folded;
        bool scannable = !word.isEmpty();
        for (QChar c : word) {
            if (!IsWordCharacter(c)) {
                scannable = false;
                break;
            }
            exact += static_cast<char>(c.unicode());
            folded += FoldAscii(c.unicode());
        }
        if (!scannable)
            continue;
        set.Exact.insert(std::move(exact));
        set.Folded.insert(std::move(folded));
    }
}

bool HighlightWords::Contains(const WordSet& set, QStringView word) const {
    // Words are scanned from word characters only, which are all ASCII.
    std::string key;
    key.reserve(static_cast<std::size_t>(word.size()));
    for (QChar c : word)
        key += caseSensitive_ ? static_cast<char>(c.unicode()) : FoldAscii(c.unicode());
    return caseSensitive_ ? set.Exact.count(key) != 0 : set.Folded.count(key) != 0;
}

std::vector<HighlightToken> ScanLine(QStringView line, const HighlightWords& words) {
    std::vector<HighlightToken> tokens;
    const int length = static_cast<int>(line.size());
    int position = 0;
    while (position < length) {
        const QChar c = line[position];
        if (c == kCommentCharacter) {
            tokens.push_back({position, length - position, TokenKind::Comment});
            break;
        }
        if (c == kStringDelimiter) {
            const qsizetype close = line.indexOf(QChar(kStringDelimiter), position + 1);
            const int end = close < 0 ? length : static_cast<int>(close) + 1;
            tokens.push_back({position, end - position, TokenKind::String});
            position = end;
            continue;
        }
        if (IsWordCharacter(c)) {
            int end = position + 1;
            while (end < length && IsWordCharacter(line[end]))
                ++end;
            const QStringView word = line.mid(position, end - position);
            if (words.IsKeyword(word))
                tokens.push_back({position, end - position, TokenKind::Keyword});
            else if (words.IsSecondWord(word))
                tokens.push_back({position, end - position, TokenKind::SecondWord});
            position = end;
            continue;
        }
        ++position;
    }
    return tokens;
}

} // namespace kvf::views
