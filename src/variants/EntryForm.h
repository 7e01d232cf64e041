#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kvf {

class TextLines;

// One piece of an entry's line outside its comment: a word (a number, an identifier, an
// octet, a keyword), a quoted text (whatever it says), or a single other character (a
// comma, a parenthesis, a minus of a range).
struct FormToken {
    enum Kind : char { Word, Text, Mark };
    Kind What = Word;
    std::string Bytes;   // the word or the character; empty for a text
    bool Spaced = false; // blanks or a line break stood before it
};

// What of an entry the language variants of a file must share: its keyword, its index and
// the parts of its value that are not quoted texts, read from the entry's physical lines.
// Comments, blanks, line breaks, the '=' between key and value (the reader takes a blank
// for it too) and the backslash that continues a line do not count. Quoted texts count only
// as being there: texts standing one after the other (a text continued over lines as one
// language needs it and another does not) are one text.
struct EntryForm {
    std::string Key;              // as written
    std::vector<FormToken> Index; // "(", "3", ")" of Key(3); empty without an index
    std::vector<FormToken> Value; // the rest of the line

    void Clear() {
        Key.clear();
        Index.clear();
        Value.clear();
    }
};

// Reads the form of the entry on lines firstLine to lastLine (0-based, both included).
// `form` is cleared first; its storage is used again.
void ReadEntryForm(const TextLines& lines, int firstLine, int lastLine, EntryForm& form);

// The form as bytes that equal another form's exactly when the two entries agree: the
// keyword without regard to case (every reader of the format takes it so), the letters of
// a hexadecimal number 0x... without regard to case, everything else byte for byte.
void AppendSignature(const EntryForm& form, std::string& out);
// The keyword (without case) and the index: entries that stand for each other in two
// variants even where their values differ.
std::string PairingKey(const EntryForm& form);

// The key with its index as a finding names it: Text(3).
std::string ShownKey(const EntryForm& form);
// Tokens from `from` on, as a finding shows a value: one blank where the line had blanks, a
// text as "...", bytes that are no printable characters as \xNN, and " ..." after about 60
// characters; "... " before it when `from` is not the first token.
std::string ShownTokens(const std::vector<FormToken>& tokens, std::size_t from);
// Where a shown value starts so that it shows a little of what comes before position
// `differs`: a few tokens earlier, at a word.
std::size_t ShownStart(const std::vector<FormToken>& tokens, std::size_t differs);
// The first position at which two values differ (their length where one is the start of
// the other).
std::size_t FirstDifference(const std::vector<FormToken>& a, const std::vector<FormToken>& b);

} // namespace kvf
