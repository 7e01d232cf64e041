#include "lsp/Protocol.h"

#include "core/AsciiText.h"

namespace kvf::lsp {
namespace {

bool ReadInt(const Json& object, const char* name, int& value) {
    auto it = object.find(name);
    if (it == object.end() || !it->is_number_integer())
        return false;
    long long number = it->get<long long>();
    if (number < 0 || number > 0x7FFFFFFF)
        return false;
    value = static_cast<int>(number);
    return true;
}

} // namespace

Json ToJson(const language::TextPosition& position) {
    return Json{{"line", position.Line}, {"character", position.Column}};
}

Json ToJson(const language::TextRange& range) {
    return Json{{"start", ToJson(range.Start)}, {"end", ToJson(range.End)}};
}

bool ReadPosition(const Json& position, language::TextPosition& read) {
    return position.is_object() && ReadInt(position, "line", read.Line) &&
           ReadInt(position, "character", read.Column);
}

bool ReadRange(const Json& range, language::TextRange& read) {
    return range.is_object() && range.contains("start") && range.contains("end") &&
           ReadPosition(range["start"], read.Start) && ReadPosition(range["end"], read.End);
}

std::string UriPath(const std::string& uri) {
    constexpr std::string_view kScheme = "file://";
    if (uri.rfind(kScheme, 0) != 0)
        return uri;
    std::string path;
    for (std::size_t i = kScheme.size(); i < uri.size(); ++i) {
        if (uri[i] == '%' && i + 2 < uri.size() && HexDigitValue(uri[i + 1]) >= 0 &&
            HexDigitValue(uri[i + 2]) >= 0) {
            path += static_cast<char>(HexDigitValue(uri[i + 1]) * 16 + HexDigitValue(uri[i + 2]));
            i += 2;
        } else {
            path += uri[i];
        }
    }
    // A host part ("file://host/path") is dropped; local files have none.
    if (!path.empty() && path[0] != '/') {
        std::size_t slash = path.find('/');
        path = slash == std::string::npos ? std::string() : path.substr(slash);
    }
    return path;
}

std::string PathUri(const std::string& path) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') || c == '/' || c == '-' || c == '.' || c == '_' ||
            c == '~') {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri;
}

std::string UriFileName(const std::string& uri) {
    std::string path = UriPath(uri);
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Dump(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace kvf::lsp
