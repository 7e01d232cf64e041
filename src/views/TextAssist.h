#pragma once

#include "views/FindingMarks.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace kvf::views {

// A word the text view offers to complete what is typed: a keyword at the start of a line, or
// a value after the equal sign, with what it means.
struct CompletionChoice {
    QString Label;
    QString Detail; // the value rule, or what a value means
    QString Help;   // the keyword's help
    bool IsKeyword = false;
    bool IsHint = false; // what may be written (a range); choosing it writes nothing
};

// A fix of a marked finding, applied by the window that offered it. Apply is false when the
// fix could not be made (the text moved on since it was offered, or may not be changed): it
// told the user so and changed nothing.
struct FixChoice {
    QString Title;
    std::function<bool()> Apply;
};

// What the document window offers in its text view beyond the marks: the help of a place, the
// words that may be written at the caret and the fixes of a mark. Each may be left empty.
// Positions are 0-based lines and columns in characters. Help and completion give nothing
// (std::nullopt) while what they read of the text is still being made; the view asks again
// when the window says it is there (CKVFTextView::AssistReady).
struct TextAssist {
    std::function<std::optional<QString>(int line, int column)> Hover; // rich text, or empty
    std::function<std::optional<std::vector<CompletionChoice>>(int line, int column)> Complete;
    std::function<std::vector<FixChoice>(const FindingMarks::Mark& mark)> Fixes;
};

} // namespace kvf::views
