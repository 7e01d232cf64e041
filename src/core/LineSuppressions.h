#pragma once

#include "core/TextLines.h"

#include <string>
#include <string_view>
#include <vector>

namespace kvf {

// One suppression comment of a file: `; kvf-disable-next-line 136,147` silences those ids on
// the line after the comment, `; kvf-disable-line 136` at the end of a line silences them on
// that line; without ids every finding of that line. A finding's line is the one its row
// shows (an entry's first physical line).
struct Suppression {
    int CommentLine = 0;  // 0-based line of the comment
    int TargetLine = 0;   // 0-based line whose findings it silences
    std::vector<int> Ids; // empty: every finding
    std::string Text;     // the comment's directive as written, without the ';'
    bool Used = false;    // it silenced a finding in the last run
};

// The directive words of a suppression comment.
inline constexpr std::string_view kDisableLine = "kvf-disable-line";
inline constexpr std::string_view kDisableNextLine = "kvf-disable-next-line";

// The suppression comments of a document and which of them a check run used. The comments
// are only comments, so a file with them stays valid for every reader of the format. A check
// run asks Silences() for each finding; one list serves one run at a time.
class LineSuppressions {
  public:
    LineSuppressions() = default;
    static LineSuppressions Read(const TextLines& lines);

    // The suppression of one line's comment, if the line has one ('\0'-free view of a line).
    static bool ParseLine(std::string_view line, int lineIndex, Suppression& found);

    bool Empty() const { return list_.empty(); }
    // Whether a finding of `id` on `line` is silenced; the silencing comment counts as used.
    bool Silences(int line, int id);
    // The comments that silenced nothing.
    std::vector<Suppression> Unused() const;
    const std::vector<Suppression>& All() const { return list_; }

  private:
    std::vector<Suppression> list_; // in order of TargetLine
};

} // namespace kvf
