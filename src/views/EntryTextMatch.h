#pragma once

class QString;
class QTextDocument;

namespace kvf::views {

// Whether the text still holds an entry where the database put it: its first line (at most
// 255 characters, trimmed) contains the key and is no comment. A Module_Reference line
// holds no key and always matches.
bool LineHoldsKey(const QTextDocument& text, int line, const QString& key);

} // namespace kvf::views
