#include "language/Diagnostics.h"

#include "core/AppServices.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/TextLines.h"
#include "document/CheckSetup.h"
#include "language/Analysis.h"
#include "language/LineLayout.h"
#include "output/OutputRows.h"

#include <algorithm>
#include <array>

namespace kvf::language {
namespace {

// Findings about an entry's value: the value checks, the configuration data, a default
// outside its allowed values.
constexpr std::array kValueFindings = {
    msg::ValueExceedsLimit,    msg::NotWithinAllowedValues, msg::ValueOutOfRange,
    msg::UnexpectedFormat,     msg::TooManyValues,          msg::FileNameCharacters,
    msg::VisibleStringInvalid, msg::UseInPlaceOfArea,       msg::UnspecifiedCharacters,
    msg::DefaultNotAllowed,    msg::ConfigurationInvalid,   msg::VariantValueDiffers,
};

// Findings about the whole line.
constexpr std::array kLineFindings = {msg::LineTooLong, msg::EqualSign};

template <std::size_t N> bool Contains(const std::array<int, N>& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool IsFinding(int level) {
    return level == LEVEL_ERROR || level == LEVEL_FATAL || level == LEVEL_WARNING;
}

} // namespace

TextRange FindingRange(std::string_view lineText, int line, int id) {
    if (line < 0)
        return {{0, 0}, {0, 0}};
    LineLayout layout = LayOut(lineText);
    TextRange whole{{line, 0}, {line, layout.ContentEnd}};
    if (Contains(kLineFindings, id) || !layout.HasKey())
        return whole;
    if (Contains(kValueFindings, id) && layout.HasValue())
        return {{line, layout.ValueBegin}, {line, layout.ValueEnd}};
    return {{line, layout.KeyBegin}, {line, layout.KeyEnd}};
}

namespace {

// The one check run of a text, keeping the database it built beside its findings.
std::shared_ptr<Analysis> CheckText(std::shared_ptr<const std::string> text,
                                    const std::string& fileName, const std::string& pathName,
                                    const CheckSettings& settings) {
    // The store is only read; AppServices asks for a writable one because the editor's
    // dialogs write through theirs.
    SettingsStore& store = const_cast<SettingsStore&>(*settings.Settings);
    OutputRows rows(store);
    AppServices services(store, rows);

    auto analysis = std::make_shared<Analysis>(std::move(text));
    const BufferTextLines& lines = analysis->Read.Lines();
    CheckReport report;
    {
        Document document(lines, fileName, pathName);
        report = RunConfiguredCheck(
            services, document,
            CheckOptions{settings.Selection, settings.InlineDisable, settings.Cancel});
        analysis->Read.TakeDatabase(document.Database);
    }
    analysis->Cancelled = settings.Cancel && settings.Cancel->load();

    CheckOutcome& outcome = analysis->Outcome;
    outcome.UnusedSuppressions = std::move(report.UnusedSuppressions);
    if (settings.KeepRows)
        outcome.Rows.reserve(rows.Rows().size());
    for (const OutputRow& row : rows.Rows()) {
        if (settings.KeepRows)
            outcome.Rows.push_back({row.Level, row.Line, row.Id, std::string(row.Text)});
        if (!IsFinding(row.Level))
            continue;
        Diagnostic diagnostic;
        diagnostic.Level = row.Level;
        diagnostic.Id = row.Id;
        diagnostic.RowLine = LineText(row.Level, row.Line) == "---" ? -1 : row.Line;
        diagnostic.Text = std::string(row.Text);
        std::string_view line = diagnostic.RowLine >= 0 && diagnostic.RowLine < lines.LineCount()
                                    ? lines.View(diagnostic.RowLine)
                                    : std::string_view();
        diagnostic.Range = FindingRange(line, diagnostic.RowLine, row.Id);
        outcome.Diagnostics.push_back(std::move(diagnostic));
    }
    return analysis;
}

} // namespace

std::shared_ptr<Analysis> Analyse(std::shared_ptr<const std::string> text,
                                  const std::string& fileName, const std::string& pathName,
                                  const CheckSettings& settings) {
    return CheckText(std::move(text), fileName, pathName, settings);
}

CheckOutcome CheckSnapshot(const Snapshot& snapshot, const CheckSettings& settings) {
    return CheckSnapshotTaken(snapshot, settings);
}

CheckOutcome CheckSnapshotTaken(Snapshot snapshot, const CheckSettings& settings) {
    std::shared_ptr<Analysis> analysis =
        CheckText(std::make_shared<const std::string>(std::move(snapshot.Text)), snapshot.FileName,
                  snapshot.PathName, settings);
    return std::move(analysis->Outcome);
}

} // namespace kvf::language
