#pragma once

#include <string>

namespace kvf::language {

// A place in a document's text: a 0-based line and a 0-based column counted in the bytes of
// that line's Windows-1252 text (one byte per character; a shell that holds UTF-16 text
// counts one code unit per byte where it converts, see the language server's documents).
struct TextPosition {
    int Line = 0;
    int Column = 0;
    friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

// From Start up to (not including) End.
struct TextRange {
    TextPosition Start;
    TextPosition End;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

// A text edit: the range replaced and the text put in its place (Windows-1252 bytes).
struct TextEdit {
    TextRange Range;
    std::string NewText;
};

} // namespace kvf::language
