#include "variants/EntryForm.h"

#include "core/AsciiText.h"
#include "core/TextLines.h"

#include <algorithm>
#include <string_view>

namespace kvf {
namespace {

bool IsWordByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' ||
           u == '.' || u == '#' || u >= 0x80;
}

// Where the reader's key ends: at a blank, the equal sign, an index, a comment or a quote.
bool EndsKey(char c) {
    return IsSpace(c) || c == '=' || c == '(' || c == ';' || c == '"';
}

// A hexadecimal number as the number readers take it: 0x (a lower-case x) and hex digits.
bool IsHexNumber(std::string_view word) {
    if (word.size() < 3 || word[0] != '0' || word[1] != 'x')
        return false;
    return std::all_of(word.begin() + 2, word.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

// Whether nothing but blanks or a comment follows position `from` of a line: a backslash
// there continues the value on the next line.
bool OnlyCommentAfter(std::string_view line, std::size_t from) {
    for (std::size_t i = from; i < line.size(); ++i) {
        if (line[i] == ';')
            return true;
        if (!IsSpace(line[i]))
            return false;
    }
    return true;
}

void Push(std::vector<FormToken>& tokens, FormToken::Kind kind, std::string_view bytes,
          bool& spaced) {
    // A text right after a text is the same text continued.
    if (kind == FormToken::Text && !tokens.empty() && tokens.back().What == FormToken::Text) {
        spaced = false;
        return;
    }
    // Constructed whole: GCC 12 warns falsely (-Wrestrict) on assign() into a fresh string.
    tokens.push_back(FormToken{kind, std::string(bytes), spaced});
    spaced = false;
}

void AppendToken(const FormToken& token, std::string& out) {
    switch (token.What) {
    case FormToken::Word:
        out += '\x01';
        if (IsHexNumber(token.Bytes)) {
            out += "0x";
            for (std::size_t i = 2; i < token.Bytes.size(); ++i)
                out += ToLowerAscii(token.Bytes[i]);
        } else {
            out += token.Bytes;
        }
        break;
    case FormToken::Text:
        out += '\x02';
        break;
    case FormToken::Mark:
        out += '\x03';
        out += token.Bytes;
        break;
    }
}

// The keyword without case and the index: the part of an entry's signature that its
// pairing key is too.
void AppendPairingKey(const EntryForm& form, std::string& out) {
    for (char c : form.Key)
        out += ToLowerAscii(c);
    out += '\x04';
    for (const FormToken& token : form.Index)
        AppendToken(token, out);
}

bool SameToken(const FormToken& a, const FormToken& b) {
    std::string x, y;
    AppendToken(a, x);
    AppendToken(b, y);
    return x == y;
}

void AppendShown(std::string_view bytes, std::string& out) {
    static const char* const hex = "0123456789ABCDEF";
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            out += "\\x";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
}

} // namespace

void ReadEntryForm(const TextLines& lines, int firstLine, int lastLine, EntryForm& form) {
    form.Clear();
    std::vector<FormToken>& tokens = form.Value;
    bool keyRead = false;
    bool inText = false;
    bool quoteSeen = false;
    bool spaced = false;
    std::string scratch;
    for (int line = firstLine; line <= lastLine; ++line) {
        const std::string_view s = lines.LineView(line, scratch);
        std::size_t i = 0;
        if (!keyRead) {
            while (i < s.size() && IsSpace(s[i]))
                ++i;
            const std::size_t start = i;
            while (i < s.size() && !EndsKey(s[i]))
                ++i;
            form.Key.assign(s.substr(start, i - start));
            keyRead = true;
        }
        while (i < s.size()) {
            const char c = s[i];
            if (inText) {
                inText = c != '"';
                ++i;
            } else if (c == ';') {
                break; // a comment up to the end of the line
            } else if (IsSpace(c)) {
                spaced = true;
                ++i;
            } else if (c == '"') {
                inText = true;
                quoteSeen = true;
                Push(tokens, FormToken::Text, {}, spaced);
                ++i;
            } else if (IsWordByte(c)) {
                std::size_t end = i;
                while (end < s.size() && IsWordByte(s[end]))
                    ++end;
                Push(tokens, FormToken::Word, s.substr(i, end - i), spaced);
                i = end;
            } else if ((c == '=' && !quoteSeen) || (c == '\\' && OnlyCommentAfter(s, i + 1))) {
                // Before the first quote the reader takes every '=' for a blank; a trailing
                // backslash joins the next line.
                spaced = true;
                ++i;
            } else {
                Push(tokens, FormToken::Mark, s.substr(i, 1), spaced);
                ++i;
            }
        }
        spaced = true; // a line break between two tokens is a blank
    }
    // An index right after the key: Key(3) or Key (3).
    if (!tokens.empty() && tokens.front().What == FormToken::Mark && tokens.front().Bytes == "(") {
        auto close = std::find_if(tokens.begin(), tokens.end(), [](const FormToken& t) {
            return t.What == FormToken::Mark && t.Bytes == ")";
        });
        if (close != tokens.end()) {
            form.Index.assign(std::make_move_iterator(tokens.begin()),
                              std::make_move_iterator(close + 1));
            tokens.erase(tokens.begin(), close + 1);
        }
    }
}

void AppendSignature(const EntryForm& form, std::string& out) {
    AppendPairingKey(form, out);
    out += '\x04';
    for (const FormToken& token : form.Value)
        AppendToken(token, out);
}

std::string PairingKey(const EntryForm& form) {
    std::string key;
    AppendPairingKey(form, key);
    return key;
}

std::string ShownKey(const EntryForm& form) {
    std::string shown;
    AppendShown(form.Key, shown);
    for (const FormToken& token : form.Index)
        AppendShown(token.Bytes, shown);
    return shown;
}

std::string ShownTokens(const std::vector<FormToken>& tokens, std::size_t from) {
    constexpr std::size_t kShownLength = 60;
    std::string shown = from > 0 && from < tokens.size() ? "... " : "";
    for (std::size_t i = from; i < tokens.size(); ++i) {
        if (shown.size() >= kShownLength) {
            shown += " ...";
            break;
        }
        const FormToken& token = tokens[i];
        if (token.Spaced && i > from)
            shown += ' ';
        if (token.What == FormToken::Text)
            shown += "\"...\"";
        else
            AppendShown(token.Bytes, shown);
    }
    return shown;
}

std::size_t ShownStart(const std::vector<FormToken>& tokens, std::size_t differs) {
    constexpr std::size_t kShownBefore = 6;
    if (differs <= kShownBefore)
        return 0;
    std::size_t start = differs - kShownBefore;
    while (start < differs && tokens[start].What == FormToken::Mark)
        ++start;
    return start;
}

std::size_t FirstDifference(const std::vector<FormToken>& a, const std::vector<FormToken>& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && SameToken(a[i], b[i]))
        ++i;
    return i;
}

} // namespace kvf
