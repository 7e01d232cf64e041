#include "views/AppliedSteps.h"

#include "core/CKeyDatabase.h"

#include <QTextBlock>
#include <QTextDocument>

#include <set>

namespace kvf {
namespace {

// Whether the text holds `lines` from line `first` on. An entry's last line ends without a
// continuation, so lines that match are the whole entry.
bool HoldsLines(const QTextDocument& text, int first, const QStringList& lines) {
    QTextBlock block = text.findBlockByNumber(first);
    for (const QString& line : lines) {
        if (!block.isValid() || block.text() != line)
            return false;
        block = block.next();
    }
    return true;
}

// The entry that begins on `longLine`, or none. The database keeps file order, so its first
// lines grow.
CDbEntry* EntryBeginningOn(CKeyDatabase& database, int longLine) {
    std::size_t low = 0;
    std::size_t high = database.Count();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (database.At(middle).LongLine < longLine)
            low = middle + 1;
        else
            high = middle;
    }
    return low < database.Count() && database.At(low).LongLine == longLine ? &database.At(low)
                                                                           : nullptr;
}

} // namespace

AppliedSteps::Values::Values(const CDbEntry& entry)
    : Key(entry.Key), Value(entry.Value), Line(entry.Line), Valid(entry.Valid),
      ValueCount(entry.ValueCount) {
    for (std::size_t i = 0; i < Parts.size(); ++i)
        Parts[i] = entry.m_Ready[i];
}

void AppliedSteps::Values::WriteTo(CDbEntry& entry) const {
    entry.Key = Key;
    entry.Value = Value;
    entry.m_Ready = Parts;
    entry.Line = Line;
    entry.Valid = static_cast<std::int16_t>(Valid);
    entry.ValueCount = ValueCount;
}

QStringList AppliedSteps::LinesOf(const QTextDocument& text, const CDbEntry& entry) {
    QStringList lines;
    QTextBlock block = text.findBlockByNumber(entry.LongLine);
    for (int line = entry.LongLine; line <= entry.Line && block.isValid(); ++line) {
        lines << block.text();
        block = block.next();
    }
    return lines;
}

void AppliedSteps::Add(const CDbEntry& entry, const CDbEntry& before,
                       const QStringList& linesBefore, const QTextDocument& text) {
    if (steps_.size() == kMaxSteps)
        steps_.erase(steps_.begin());
    steps_.push_back(
        {entry.LongLine, Values(before), Values(entry), linesBefore, LinesOf(text, entry)});
}

std::vector<CDbEntry*> AppliedSteps::Follow(CKeyDatabase& database, const QTextDocument& text) {
    std::vector<CDbEntry*> changed;
    std::set<int> decided; // first lines whose entry the newer steps settled
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step) {
        if (decided.count(step->LongLine))
            continue;
        const Values* values = nullptr;
        if (HoldsLines(text, step->LongLine, step->LinesAfter))
            values = &step->After;
        else if (HoldsLines(text, step->LongLine, step->LinesBefore))
            values = &step->Before;
        if (!values)
            continue; // edited otherwise: an older step of the line may still match
        decided.insert(step->LongLine);
        // The database may be behind the text (edits since its build): the entry is the one
        // of the step's key on its line, or none to follow.
        CDbEntry* entry = EntryBeginningOn(database, step->LongLine);
        if (!entry || (entry->Key != step->Before.Key && entry->Key != step->After.Key))
            continue;
        if (Values(*entry) != *values) {
            values->WriteTo(*entry);
            changed.push_back(entry);
        }
    }
    return changed;
}

} // namespace kvf
