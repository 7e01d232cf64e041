#include "lsp/DiagnosticsMessage.h"

#include "core/MessageSink.h"
#include "core/Windows1252.h"
#include "lsp/Protocol.h"

#include <charconv>

namespace kvf::lsp {
namespace {

constexpr int kSeverityError = 1;
constexpr int kSeverityWarning = 2;

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                           ? 1
                                   : (lead >> 5) == 0x6 && lead >= 0xC2  ? 2
                                   : (lead >> 4) == 0xE                  ? 3
                                   : (lead >> 3) == 0x1E && lead <= 0xF4 ? 4
                                                                         : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        if (length == 3) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0))
                return false; // overlong, or a surrogate
        }
        if (length == 4) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
                return false;
        }
        i += length;
    }
    return true;
}

constexpr char kHex[] = "0123456789abcdef";

// The escape of '"', '\' or a control character in a JSON string as the library writes it:
// the five control characters with a letter of their own by it, the others as \u00xx.
void AppendEscape(std::string& out, unsigned char c) {
    switch (c) {
    case '"':
        out += "\\\"";
        break;
    case '\\':
        out += "\\\\";
        break;
    case '\b':
        out += "\\b";
        break;
    case '\f':
        out += "\\f";
        break;
    case '\n':
        out += "\\n";
        break;
    case '\r':
        out += "\\r";
        break;
    case '\t':
        out += "\\t";
        break;
    default:
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    }
}

// A UTF-8 text as a JSON string, everything but the escapes as it is.
void AppendString(std::string& out, std::string_view utf8) {
    if (!IsUtf8(utf8)) {
        out += Dump(Json(std::string(utf8))); // the library's own replacement of broken bytes
        return;
    }
    out += '"';
    std::size_t plain = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(utf8, plain, i - plain);
        plain = i + 1;
        AppendEscape(out, c);
    }
    out.append(utf8, plain);
    out += '"';
}

// A Windows-1252 text as a JSON string of its UTF-8, in one pass (what it gives is always
// well-formed UTF-8).
void AppendEngineString(std::string& out, std::string_view bytes) {
    out += '"';
    std::size_t plain = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\')
            continue;
        out.append(bytes, plain, i - plain);
        plain = i + 1;
        if (c >= 0x80)
            AppendWindows1252AsUtf8(out, bytes.substr(i, 1));
        else
            AppendEscape(out, c);
    }
    out.append(bytes, plain);
    out += '"';
}

void AppendNumber(std::string& out, int number) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end);
}

void AppendPosition(std::string& out, const language::TextPosition& position) {
    out += "{\"character\":";
    AppendNumber(out, position.Column);
    out += ",\"line\":";
    AppendNumber(out, position.Line);
    out += '}';
}

void AppendDiagnostic(std::string& out, const language::Diagnostic& d,
                      const RelatedDiagnostic* related) {
    out += "{\"code\":";
    AppendNumber(out, d.Id);
    out += ",\"message\":";
    AppendEngineString(out, d.Text);
    out += ",\"range\":{\"end\":";
    AppendPosition(out, d.Range.End);
    out += ",\"start\":";
    AppendPosition(out, d.Range.Start);
    out += '}';
    if (related) {
        const language::TextPosition at{related->Line, 0};
        out += ",\"relatedInformation\":[{\"location\":{\"range\":{\"end\":";
        AppendPosition(out, at);
        out += ",\"start\":";
        AppendPosition(out, at);
        out += "},\"uri\":";
        AppendString(out, related->Uri);
        out += "},\"message\":";
        AppendString(out, related->Message);
        out += "}]";
    }
    out += ",\"severity\":";
    AppendNumber(out, d.Level == LEVEL_WARNING ? kSeverityWarning : kSeverityError);
    out += ",\"source\":\"kvfcheck\"}";
}

} // namespace

std::string DiagnosticsMessage(const std::string& uri, std::optional<int> version,
                               const std::vector<language::Diagnostic>& diagnostics) {
    return DiagnosticsMessage(uri, version, diagnostics, {});
}

std::string DiagnosticsMessage(const std::string& uri, std::optional<int> version,
                               const std::vector<language::Diagnostic>& diagnostics,
                               const std::vector<RelatedDiagnostic>& related) {
    std::string out = "{\"jsonrpc\":\"2.0\",\"method\":\"textDocument/publishDiagnostics\","
                      "\"params\":{\"diagnostics\":[";
    out.reserve(out.size() + (diagnostics.size() + related.size()) * 200 + uri.size() + 32);
    bool first = true;
    for (const language::Diagnostic& d : diagnostics) {
        if (!first)
            out += ',';
        first = false;
        AppendDiagnostic(out, d, nullptr);
    }
    for (const RelatedDiagnostic& r : related) {
        if (!first)
            out += ',';
        first = false;
        AppendDiagnostic(out, r.Finding, &r);
    }
    out += "],\"uri\":";
    AppendString(out, uri);
    if (version) {
        out += ",\"version\":";
        AppendNumber(out, *version);
    }
    out += "}}";
    return out;
}

} // namespace kvf::lsp
