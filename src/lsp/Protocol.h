#pragma once

#include "language/TextRange.h"

#include <nlohmann/json.hpp>

#include <string>

namespace kvf::lsp {

using Json = nlohmann::json;

// Error codes of the protocol and of JSON-RPC.
namespace error {
inline constexpr int ParseError = -32700;
inline constexpr int InvalidRequest = -32600;
inline constexpr int MethodNotFound = -32601;
inline constexpr int InvalidParams = -32602;
inline constexpr int InternalError = -32603;
inline constexpr int ServerNotInitialized = -32002;
inline constexpr int RequestCancelled = -32800;
// A request of the right shape that could not be carried out (the message says why).
inline constexpr int RequestFailed = -32803;
} // namespace error

// Positions and ranges: the engine's columns are the client's UTF-16 columns (ClientText.h).
Json ToJson(const language::TextPosition& position);
Json ToJson(const language::TextRange& range);
// A position of a request; false when it is missing or not numbers.
bool ReadPosition(const Json& position, language::TextPosition& read);
bool ReadRange(const Json& range, language::TextRange& read);

// A file URI's path, percent-decoded ("file:///tmp/a%20b.kvf" gives "/tmp/a b.kvf"); any
// other URI as it stands.
std::string UriPath(const std::string& uri);
// The file URI of an absolute path, every byte but letters, digits, '/' and "-._~"
// percent-encoded: UriPath gives the path back.
std::string PathUri(const std::string& path);
// The last segment of a URI's path: the document's title for the check run.
std::string UriFileName(const std::string& uri);

// JSON text without throwing on a string that is not UTF-8.
std::string Dump(const Json& value);

} // namespace kvf::lsp
