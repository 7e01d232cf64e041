#include "cli/ModuleExplanation.h"

#include "core/Windows1252.h"
#include "output/JsonText.h"
#include "semantic/ModuleOverview.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace kvf {
namespace {

std::string Hex(std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string JoinedHex(const std::vector<std::uint8_t>& bytes, std::size_t first,
                      std::size_t count) {
    std::string text;
    for (std::size_t i = first; i < first + count && i < bytes.size(); ++i) {
        if (!text.empty())
            text += ',';
        text += Hex(bytes[i]);
    }
    return text;
}

const char* DirectionName(CfgDirection direction) {
    switch (direction) {
    case CfgDirection::Input:
        return "input";
    case CfgDirection::Output:
        return "output";
    case CfgDirection::Both:
        return "both";
    case CfgDirection::Empty:
        break;
    }
    return "empty";
}

const char* UnitName(const CfgPart& part) {
    return part.Format & kCfgFormatWordUnit ? "word" : "byte";
}

bool IsConsistent(const CfgPart& part) {
    return part.Format >= kCfgFormatConsistent;
}

std::string VendorBytesText(const DecodedModuleConfig& config, const CfgIdentifier& ident) {
    if (ident.VendorBytesPresent() == 0)
        return "-";
    return JoinedHex(config.Bytes, ident.FirstByte + 1 + ident.LengthBytes,
                     ident.VendorBytesPresent());
}

// One column of a row of a "both" identifier: the value once when output and input agree,
// else output/input.
template <typename Show> std::string PerDirection(const CfgIdentifier& ident, Show show) {
    switch (DirectionOf(ident)) {
    case CfgDirection::Empty:
        return "-";
    case CfgDirection::Input:
        return show(ident.In);
    case CfgDirection::Output:
        return show(ident.Out);
    case CfgDirection::Both:
        break;
    }
    std::string out = show(ident.Out);
    std::string in = show(ident.In);
    return out == in ? out : out + "/" + in;
}

std::string ReferencesText(const ModuleOverview& module) {
    if (module.References.empty())
        return "no Module_Reference";
    std::string text = "Module_Reference ";
    for (std::size_t i = 0; i < module.References.size(); ++i)
        text += (i ? ", " : "") + std::to_string(module.References[i]);
    return text;
}

constexpr std::size_t kColumns = 8;
using Row = std::array<std::string, kColumns>;

Row IdentifierRow(const DecodedModuleConfig& config, std::size_t number) {
    const CfgIdentifier& ident = config.Identifiers[number];
    std::string note;
    if (ident.MissingBytes > 0)
        note = std::to_string(ident.MissingBytes) + " byte(s) missing";
    return Row{
        std::to_string(number + 1),
        JoinedHex(config.Bytes, ident.FirstByte, ident.ByteCount),
        DirectionName(DirectionOf(ident)),
        PerDirection(ident, [](const CfgPart& p) { return std::to_string(p.Length); }),
        PerDirection(ident, [](const CfgPart& p) { return std::string(UnitName(p)); }),
        PerDirection(ident,
                     [](const CfgPart& p) { return std::string(IsConsistent(p) ? "yes" : "no"); }),
        VendorBytesText(config, ident),
        note,
    };
}

void PrintTable(std::ostream& out, const std::vector<Row>& rows) {
    std::array<std::size_t, kColumns> width{};
    for (const Row& row : rows)
        for (std::size_t c = 0; c < kColumns; ++c)
            width[c] = std::max(width[c], row[c].size());
    for (const Row& row : rows) {
        std::string line = " ";
        for (std::size_t c = 0; c < kColumns; ++c) {
            line += ' ';
            line += row[c];
            if (c + 1 < kColumns)
                line.append(width[c] - row[c].size() + 1, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

void PrintText(std::ostream& out, const std::string& fileName,
               const std::vector<ModuleOverview>& modules) {
    out << fileName << ": " << modules.size() << (modules.size() == 1 ? " module" : " modules")
        << '\n';
    for (const ModuleOverview& module : modules) {
        out << "\nModule \"" << Windows1252ToUtf8(module.Name) << "\" (Line " << module.Line + 1
            << "), " << ReferencesText(module) << '\n';
        out << "  Configuration: " << Windows1252ToUtf8(module.ConfigText) << '\n';
        std::vector<Row> rows{
            Row{"Nr.", "Bytes", "Direction", "Length", "Unit", "Consistency", "Vendor bytes", ""}};
        for (std::size_t n = 0; n < module.Config.Identifiers.size(); ++n)
            rows.push_back(IdentifierRow(module.Config, n));
        PrintTable(out, rows);
        if (module.Config.IgnoredBytes > 0)
            out << "  " << module.Config.IgnoredBytes << " byte(s) after identifier "
                << kMaxCfgIdentifiers << " not decoded\n";
        if (module.IoSums)
            out << "  Input length " << module.IoSums->Input << ", output length "
                << module.IoSums->Output << " (compared with Max_Input_Len, Max_Output_Len)\n";
        else
            out << "  Input and output lengths not summed: an item is not a number 0..255\n";
    }
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
