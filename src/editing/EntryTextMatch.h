#pragma once

#include <string_view>

namespace kvf {

class TextLines;

// Whether the text still holds an entry where the database put it: its first line (at most
// 255 characters, trimmed) contains the key and is no comment. A Module_Reference line
// holds no key and always matches. The tree asks before it shows an entry, Apply before
// it rewrites one: a text edited since the last rebuild would otherwise be overwritten.
bool LineHoldsKey(const TextLines& text, int line, std::string_view key);
// The same for the text of that line (a view that reads one line of a large text).
bool LineHoldsKey(std::string_view lineText, std::string_view key);

} // namespace kvf
