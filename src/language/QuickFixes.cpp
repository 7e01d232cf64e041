#include "language/QuickFixes.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/UserKeys.h"
#include "core/AsciiText.h"
#include "core/LineSuppressions.h"
#include "core/MessageIds.h"
#include "language/KeywordFacts.h"
#include "language/LineLayout.h"
#include "language/SnapshotDatabase.h"

#include <algorithm>
#include <cctype>

namespace kvf::language {
namespace {

// Findings of a missing keyword of the whole file; the first quoted name in the text is
// the keyword.
constexpr int kMissingAtTop[] = {
    msg::MissingKvfRevision,  msg::MissingMandatoryKeyword,        msg::MissingMasterKeyword,
    msg::MissingSlaveKeyword, msg::MissingSlaveKeywordForRevision, msg::MissingModularSlaveKeyword};

// The n-th text in double quotes of a message (0-based).
std::string Quoted(std::string_view text, int n) {
    std::size_t at = 0;
    for (int i = 0;; ++i) {
        std::size_t open = text.find('"', at);
        if (open == std::string_view::npos)
            return {};
        std::size_t close = text.find('"', open + 1);
        if (close == std::string_view::npos)
            return {};
        if (i == n)
            return std::string(text.substr(open + 1, close - open - 1));
        at = close + 1;
    }
}

std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t up = row[j];
            bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

// The line break the document uses.
std::string LineBreak(std::string_view text) {
    std::size_t lf = text.find('\n');
    return lf != std::string_view::npos && lf > 0 && text[lf - 1] == '\r' ? "\r\n" : "\n";
}

// An edit that inserts whole lines before `line` (at the end of the text when the line is
// past it).
TextEdit InsertLines(const SnapshotDatabase& db, int line, const std::string& lines) {
    const int count = db.Lines().LineCount();
    const std::string_view text = db.Lines().Bytes();
    std::string lb = LineBreak(text);
    if (line < count)
        return {{{line, 0}, {line, 0}}, lines + lb};
    // After the last line: that line may lack its line break.
    bool endsWithBreak = !text.empty() && text.back() == '\n';
    int last = std::max(count - 1, 0);
    int lastEnd = count > 0 ? static_cast<int>(db.Lines().View(last).size()) : 0;
    if (endsWithBreak)
        return {{{count, 0}, {count, 0}}, lines + lb};
    return {{{last, lastEnd}, {last, lastEnd}}, lb + lines + lb};
}

// A value that passes the keyword's rule, for a keyword inserted where it is missing.
std::string DefaultValue(const CatalogueMatch& match) {
    switch (match.Row->Rule) {
    case ValueRule::VisibleString:
    case ValueRule::FileName:
        return "\"\"";
    default:
        break;
    }
    std::vector<NumberSpan> spans = AllowedNumbers(match.Keyword->RangeText);
    return spans.empty() ? "0" : std::to_string(std::min(spans.front().Low, spans.front().High));
}

void UnknownKeyFixes(std::string_view line, int lineIndex, std::vector<QuickFix>& fixes) {
    LineLayout layout = LayOut(line);
    std::string key(KeyOf(line, layout));
    if (key.empty())
        return;
    std::string closest = ClosestKeyword(key);
    if (!closest.empty())
        fixes.push_back({"Did you mean " + closest + "?",
                         {{{{lineIndex, layout.KeyBegin}, {lineIndex, layout.KeyEnd}}, closest}},
                         "",
                         ""});
    // Only a key the checker takes for a keyword can be registered; a key with a comma,
    // a bracket or a quote would break the settings file's list of keys.
    if (!IsRegistrableUserKey(key))
        return;
    // A quoted value registers a string, anything else an integer of 32 bits.
    std::string_view value = ValueOf(line, layout);
    bool quoted = !value.empty() && value.front() == '"';
    fixes.push_back({"Register " + key + " as a user-defined key",
                     {},
                     ToUpperAscii(key),
                     quoted ? std::string(kDefaultUserKeySetting) : std::string("1;0;INT")});
}

void MissingEndFix(const SnapshotDatabase& db, const Diagnostic& d, std::vector<QuickFix>& fixes) {
    std::string blockKey = Quoted(d.Text, 0);
    std::string endKey = Quoted(d.Text, 1);
    if (blockKey.empty() || endKey.empty())
        return;
    // The last open block of that keyword: a block with no end keyword among its entries.
    const CDbEntry* open = nullptr;
    int insertBefore = 0;
    for (const CDbEntry& entry : db.Database()) {
        if (entry.ModuleFlag != TYPE_MODULE_BEGIN || !SameKey(std::string(entry.Key), blockKey))
            continue;
        bool closed = false;
        int last = entry.Line;
        for (const CDbEntry& child : db.Database()) {
            if (child.hParent != &entry)
                continue;
            if (SameKey(std::string(child.Key), endKey))
                closed = true;
            // A block of the same keyword opened inside ends this one before it.
            if (child.ModuleFlag == TYPE_MODULE_BEGIN && SameKey(std::string(child.Key), blockKey))
                break;
            last = std::max(last, child.Line);
        }
        if (!closed) {
            open = &entry;
            insertBefore = last + 1;
        }
    }
    if (!open)
        return;
    fixes.push_back({"Insert " + endKey + " to end the " + blockKey + " of line " +
                         std::to_string(open->LongLine + 1),
                     {InsertLines(db, insertBefore, endKey)},
                     "",
                     ""});
}

void MissingKeywordFix(const SnapshotDatabase& db, const Diagnostic& d,
                       std::vector<QuickFix>& fixes) {
    std::string keyword = Quoted(d.Text, 0);
    CatalogueMatch match = KeywordCatalogue::Instance().Find(keyword);
    if (!match)
        return;
    // After the file's identification line: the top level, before any block.
    int line = 0;
    for (int i = 0; i < db.Lines().LineCount(); ++i) {
        LineLayout layout = LayOut(db.Lines().View(i));
        if (SameKey(KeyOf(db.Lines().View(i), layout), "#TALVERON_DP")) {
            line = i + 1;
            break;
        }
    }
    std::string text = KeywordSpelling(*match.Keyword) + " = " + DefaultValue(match);
    fixes.push_back({"Insert " + text, {InsertLines(db, line, text)}, "", ""});
}

void NearestValueFix(const SnapshotDatabase& db, int lineIndex, std::vector<QuickFix>& fixes) {
    std::string_view line = db.Lines().View(lineIndex);
    LineLayout layout = LayOut(line);
    CatalogueMatch match = KeywordCatalogue::Instance().Find(std::string(KeyOf(line, layout)));
    long long value = 0;
    long long nearest = 0;
    if (!match || layout.EqualSign < 0 || !ReadNumber(ValueOf(line, layout), value) ||
        !NearestAllowed(match.Keyword->RangeText, value, nearest) || nearest == value)
        return;
    std::string text = std::to_string(nearest);
    fixes.push_back({"Replace with the nearest allowed value " + text,
                     {{{{lineIndex, layout.ValueBegin}, {lineIndex, layout.ValueEnd}}, text}},
                     "",
                     ""});
}

void SuppressionFix(const SnapshotDatabase& db, const Diagnostic& d, std::vector<QuickFix>& fixes) {
    std::string_view line = db.Lines().View(d.RowLine);
    LineLayout layout = LayOut(line);
    std::string id = std::to_string(d.Id);
    QuickFix fix;
    fix.Title = "Silence " + id + " on this line with a suppression comment";
    if (layout.CommentBegin < 0) {
        std::string comment =
            (layout.ContentEnd > 0 ? " ; " : "; ") + std::string(kDisableLine) + " " + id;
        fix.Edits.push_back(
            {{{d.RowLine, layout.ContentEnd}, {d.RowLine, layout.ContentEnd}}, comment});
    } else {
        std::string comment = "; " + std::string(kDisableNextLine) + " " + id;
        fix.Edits.push_back(InsertLines(db, d.RowLine, comment));
    }
    fixes.push_back(std::move(fix));
}

} // namespace

std::string ClosestKeyword(std::string_view key) {
    std::string best;
    std::size_t bestDistance = std::max<std::size_t>(2, key.size() / 5) + 1;
    for (const CatalogueRow& row : KeywordCatalogue::Instance().Rows()) {
        for (const CatalogueKeyword& keyword : row.Keywords) {
            std::size_t distance = Distance(key, keyword.Name);
            if (distance > 0 && distance < bestDistance) {
                bestDistance = distance;
                best = KeywordSpelling(keyword);
            }
        }
    }
    return best;
}

std::vector<QuickFix> FixesFor(const Snapshot& snapshot, const CheckSettings& settings,
                               const Diagnostic& finding) {
    SnapshotDatabase db(snapshot, settings);
    return FixesFor(db, finding);
}

std::vector<QuickFix> FixesFor(const SnapshotDatabase& db, const Diagnostic& finding) {
    std::vector<QuickFix> fixes;
    bool onLine = finding.RowLine >= 0 && finding.RowLine < db.Lines().LineCount();
    if (finding.Id == msg::UnknownKey && onLine)
        UnknownKeyFixes(db.Lines().View(finding.RowLine), finding.RowLine, fixes);
    if (finding.Id == msg::MissingEndOfBlock)
        MissingEndFix(db, finding, fixes);
    if (std::find(std::begin(kMissingAtTop), std::end(kMissingAtTop), finding.Id) !=
        std::end(kMissingAtTop))
        MissingKeywordFix(db, finding, fixes);
    if ((finding.Id == msg::ValueExceedsLimit || finding.Id == msg::NotWithinAllowedValues ||
         finding.Id == msg::ValueOutOfRange) &&
        onLine)
        NearestValueFix(db, finding.RowLine, fixes);
    if (onLine && finding.Id != 0)
        SuppressionFix(db, finding, fixes);
    return fixes;
}

} // namespace kvf::language
