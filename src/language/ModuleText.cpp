#include "language/ModuleText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace kvf::language {

std::string Hex(std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
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

namespace {

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

void AppendTable(std::string& out, const std::vector<Row>& rows) {
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
        out += line;
        out += '\n';
    }
}

} // namespace

std::string ModuleText(const ModuleOverview& module) {
    std::string out = "Module \"" + module.Name + "\" (Line " + std::to_string(module.Line + 1) +
                      "), " + ReferencesText(module) + "\n";
    out += "  Configuration: " + module.ConfigText + "\n";
    std::vector<Row> rows{
        Row{"Nr.", "Bytes", "Direction", "Length", "Unit", "Consistency", "Vendor bytes", ""}};
    for (std::size_t n = 0; n < module.Config.Identifiers.size(); ++n)
        rows.push_back(IdentifierRow(module.Config, n));
    AppendTable(out, rows);
    if (module.Config.IgnoredBytes > 0)
        out += "  " + std::to_string(module.Config.IgnoredBytes) + " byte(s) after identifier " +
               std::to_string(kMaxCfgIdentifiers) + " not decoded\n";
    if (module.IoSums)
        out += "  Input length " + std::to_string(module.IoSums->Input) + ", output length " +
               std::to_string(module.IoSums->Output) +
               " (compared with Max_Input_Len, Max_Output_Len)\n";
    else
        out += "  Input and output lengths not summed: an item is not a number 0..255\n";
    return out;
}

} // namespace kvf::language
