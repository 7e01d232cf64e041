#include "core/LineSuppressions.h"

#include "core/AsciiText.h"
#include "core/MessageSelection.h"

#include <algorithm>

namespace kvf {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The comment of a line: after the first ';' outside double quotes, as the reader cuts it.
bool FindComment(std::string_view line, std::size_t& at) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ';' && !quoted) {
            at = i;
            return true;
        }
    }
    return false;
}

bool StartsWithWord(std::string_view text, std::string_view word) {
    return text.substr(0, word.size()) == word &&
           (text.size() == word.size() || IsBlank(text[word.size()]));
}

} // namespace

bool LineSuppressions::ParseLine(std::string_view line, int lineIndex, Suppression& found) {
    if (line.find(';') == std::string_view::npos)
        return false;
    std::size_t at = 0;
    if (!FindComment(line, at))
        return false;
    std::string_view comment = Trim(line.substr(at + 1));
    bool nextLine = StartsWithWord(comment, kDisableNextLine);
    if (!nextLine && !StartsWithWord(comment, kDisableLine))
        return false;
    std::string_view ids =
        Trim(comment.substr(nextLine ? kDisableNextLine.size() : kDisableLine.size()));
    found = Suppression{};
    found.CommentLine = lineIndex;
    found.TargetLine = nextLine ? lineIndex + 1 : lineIndex;
    found.Text = std::string(comment);
    if (!ids.empty()) {
        // Ids stand apart by commas or blanks.
        std::string list(ids);
        std::replace_if(list.begin(), list.end(), IsBlank, ',');
        std::vector<std::string> unknown;
        found.Ids = ParseMessageIds(list, unknown);
        // A list naming no known id silences nothing (and is reported as unused), rather
        // than every finding of the line.
        if (found.Ids.empty())
            found.Ids.push_back(-1);
    }
    return true;
}

LineSuppressions LineSuppressions::Read(const TextLines& lines) {
    LineSuppressions read;
    std::string scratch;
    const int count = lines.LineCount();
    for (int i = 0; i < count; ++i) {
        std::string_view line = lines.LineView(i, scratch);
        // find, not memchr: an empty line's view may have no data at all.
        if (line.find(';') == std::string_view::npos)
            continue;
        Suppression found;
        if (ParseLine(line, i, found))
            read.list_.push_back(std::move(found));
    }
    std::stable_sort(
        read.list_.begin(), read.list_.end(),
        [](const Suppression& a, const Suppression& b) { return a.TargetLine < b.TargetLine; });
    return read;
}

bool LineSuppressions::Silences(int line, int id) {
    auto first =
        std::lower_bound(list_.begin(), list_.end(), line,
                         [](const Suppression& s, int target) { return s.TargetLine < target; });
    bool silenced = false;
    for (auto it = first; it != list_.end() && it->TargetLine == line; ++it) {
        if (it->Ids.empty() || std::find(it->Ids.begin(), it->Ids.end(), id) != it->Ids.end()) {
            it->Used = true;
            silenced = true;
        }
    }
    return silenced;
}

std::vector<Suppression> LineSuppressions::Unused() const {
    std::vector<Suppression> unused;
    for (const Suppression& s : list_)
        if (!s.Used)
            unused.push_back(s);
    std::sort(unused.begin(), unused.end(), [](const Suppression& a, const Suppression& b) {
        return a.CommentLine < b.CommentLine;
    });
    return unused;
}

} // namespace kvf
