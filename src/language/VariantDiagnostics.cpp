#include "language/VariantDiagnostics.h"

#include "core/AppServices.h"
#include "output/OutputRows.h"

#include <algorithm>

namespace kvf::language {

std::vector<VariantDiagnostic> VariantDiagnostics(const SnapshotDatabase& read,
                                                  const std::string& fileName,
                                                  const std::vector<VariantSibling>& siblings,
                                                  const CheckSettings& settings) {
    std::vector<VariantDiagnostic> diagnostics;
    if (siblings.empty() || !settings.Settings)
        return diagnostics;
    // The store is only read; AppServices asks for a writable one.
    SettingsStore& store = const_cast<SettingsStore&>(*settings.Settings);
    OutputRows unused(store); // the siblings' database builds report nothing here
    AppServices services(store, unused);
    const BufferTextLines& lines = read.Lines();
    const VariantSource file{fileName, &lines, &read.Database()};
    std::string scratch;
    for (SiblingComparison& compared : CompareWithSiblings(
             file, siblings, services, settings.Selection, settings.InlineDisable)) {
        for (VariantFinding& finding : compared.Findings) {
            VariantDiagnostic& d = diagnostics.emplace_back();
            // A finding past the last entry points at the last line there is.
            const int line = std::min(finding.Line, lines.LineCount() - 1);
            d.Finding.Range = FindingRange(
                line >= 0 ? lines.LineView(line, scratch) : std::string_view(), line, finding.Id);
            d.Finding.Level = finding.Level;
            d.Finding.Id = finding.Id;
            d.Finding.RowLine = line;
            d.Finding.Text = std::move(finding.Text);
            d.OtherPath = compared.Path;
            d.OtherLine = finding.OtherLine;
        }
    }
    return diagnostics;
}

} // namespace kvf::language
