#pragma once

#include <string>
#include <string_view>

namespace kvf::lsp {

// A client sends text as UTF-8 and counts columns in UTF-16 code units. The engine reads
// Windows-1252 bytes. The server keeps each document as engine bytes with one byte per
// UTF-16 code unit: a character of the code page is its byte, one the code page cannot
// hold is '?' (as a file saved in the code page would hold it), a character outside the
// Basic Multilingual Plane (two code units) is "??". So a client's column is the column of
// the engine's text, with no table between them.
std::string FromClientText(std::string_view utf8);

// A client's whole document, or the text of a change at its very start: as FromClientText,
// but a byte order mark the client left in front of the text (U+FEFF; most clients hide it)
// is a blank: one code unit, as the client counts it, which the reader trims from the header
// line and the services skip, so the document is checked as kvfcheck checks the file.
std::string FromClientDocument(std::string_view utf8);

// Engine bytes (message texts, keyword help, the text of an edit) for the client.
std::string ToClientText(std::string_view windows1252);

} // namespace kvf::lsp
