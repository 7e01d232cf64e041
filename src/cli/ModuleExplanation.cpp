#include "cli/ModuleExplanation.h"

#include "core/Windows1252.h"
#include "language/ModuleText.h"
#include "output/JsonText.h"
#include "semantic/ModuleOverview.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace kvf {
namespace {

using language::DirectionName;
using language::Hex;
using language::IsConsistent;
using language::UnitName;

void PrintText(std::ostream& out, const std::string& fileName,
               const std::vector<ModuleOverview>& modules) {
    out << fileName << ": " << modules.size() << (modules.size() == 1 ? " module" : " modules")
        << '\n';
    for (const ModuleOverview& module : modules)
        out << '\n' << Windows1252ToUtf8(language::ModuleText(module));
}

void PrintJsonPart(std::ostream& out, const CfgPart& part) {
    if (part.Length == 0) {
        out << "null";
        return;
    }
    out << "{\"length\": " << part.Length << ", \"unit\": \"" << UnitName(part)
        << "\", \"consistent\": " << (IsConsistent(part) ? "true" : "false")
        << ", \"format\": " << part.Format << '}';
}

void PrintJsonHexList(std::ostream& out, const std::vector<std::uint8_t>& bytes, std::size_t first,
                      std::size_t count) {
    out << '[';
    for (std::size_t i = first; i < first + count && i < bytes.size(); ++i)
        out << (i > first ? ", " : "") << '"' << Hex(bytes[i]) << '"';
    out << ']';
}

void PrintJson(std::ostream& out, const std::string& fileName,
               const std::vector<ModuleOverview>& modules) {
    out << "{\"file\": " << JsonString(fileName) << ", \"modules\": [";
    for (std::size_t m = 0; m < modules.size(); ++m) {
        const ModuleOverview& module = modules[m];
        const DecodedModuleConfig& config = module.Config;
        out << (m ? ", " : "") << "{\"name\": " << JsonString(module.Name)
            << ", \"line\": " << module.Line + 1 << ", \"references\": [";
        for (std::size_t r = 0; r < module.References.size(); ++r)
            out << (r ? ", " : "") << module.References[r];
        out << "], \"configuration\": " << JsonString(module.ConfigText) << ", \"identifiers\": [";
        for (std::size_t n = 0; n < config.Identifiers.size(); ++n) {
            const CfgIdentifier& ident = config.Identifiers[n];
            out << (n ? ", " : "") << "{\"number\": " << n + 1 << ", \"bytes\": ";
            PrintJsonHexList(out, config.Bytes, ident.FirstByte, ident.ByteCount);
            out << ", \"direction\": \"" << DirectionName(DirectionOf(ident)) << "\", \"output\": ";
            PrintJsonPart(out, ident.Out);
            out << ", \"input\": ";
            PrintJsonPart(out, ident.In);
            out << ", \"vendorBytes\": ";
            PrintJsonHexList(out, config.Bytes, ident.FirstByte + 1 + ident.LengthBytes,
                             ident.VendorBytesPresent());
            out << ", \"missingBytes\": " << ident.MissingBytes << '}';
        }
        out << "], \"ignoredBytes\": " << config.IgnoredBytes << ", \"inputLength\": ";
        if (module.IoSums)
            out << module.IoSums->Input << ", \"outputLength\": " << module.IoSums->Output;
        else
            out << "null, \"outputLength\": null";
        out << '}';
    }
    out << "]}\n";
}

} // namespace

void PrintModuleExplanation(std::ostream& out, cli::ReportFormat format,
                            const std::string& fileName, const CKeyDatabase& database) {
    std::vector<ModuleOverview> modules = DescribeModules(database);
    if (format == cli::ReportFormat::Json)
        PrintJson(out, fileName, modules);
    else
        PrintText(out, fileName, modules);
}

} // namespace kvf
