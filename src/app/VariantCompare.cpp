#include "app/VariantCompare.h"

#include "core/AppServices.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/MessageTable.h"
#include "output/OutputRows.h"
#include "variants/VariantFile.h"
#include "variants/VariantSiblings.h"

#include <filesystem>

namespace kvf {
namespace {

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

void AddFrame(std::vector<VariantRow>& rows, int id, std::string text) {
    rows.push_back(VariantRow{LEVEL_FRAME, -1, id, std::move(text), {}, -1});
}

} // namespace

std::vector<VariantRow> CompareWithVariants(const VariantCompareRequest& request) {
    const std::string name = FileName(request.Document.Path);
    OpenTexts open;
    for (const HeldText& held : request.OpenSiblings)
        open[held.Path] =
            std::make_shared<const std::string>(RawTextToBytes(held.RawText, held.Encoding));
    const std::vector<VariantSibling> siblings = SiblingsOf(request.Document.Path, open);

    std::vector<VariantRow> rows;
    if (siblings.empty()) {
        AddFrame(rows, msg::NoLanguageVariant, FormatMessage(msg::NoLanguageVariant, name));
        return rows;
    }
    std::unique_ptr<SettingsStore> settings = request.MakeSettings();
    OutputRows unused(*settings); // the database builds report nothing here
    AppServices services(*settings, unused);
    const VariantFile file(
        name, RawTextToBytes(request.Document.RawText, request.Document.Encoding), services);
    for (const SiblingComparison& compared : CompareWithSiblings(
             file.Source(), siblings, services, request.Selection, request.InlineDisable)) {
        AddFrame(rows, msg::VariantCompareStart,
                 FormatMessage(msg::VariantCompareStart, name, compared.Name));
        if (!compared.Problem.empty())
            rows.push_back(
                VariantRow{LEVEL_ERROR,
                           -1,
                           msg::VariantUnreadable,
                           FormatMessage(msg::VariantUnreadable, compared.Name, compared.Problem),
                           {},
                           -1});
        for (const VariantFinding& finding : compared.Findings)
            rows.push_back(VariantRow{finding.Level, finding.Line, finding.Id, finding.Text,
                                      compared.Path, finding.OtherLine});
        if (compared.Problem.empty() && compared.Findings.empty())
            AddFrame(rows, msg::VariantsAgree, FormatMessage(msg::VariantsAgree));
        AddFrame(rows, msg::VariantCompareStop, FormatMessage(msg::VariantCompareStop));
    }
    return rows;
}

} // namespace kvf
