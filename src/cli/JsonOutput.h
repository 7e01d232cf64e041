#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace kvf::cli {

// JSON objects keep their keys in the order they were set, so output reads in a stable,
// documented order.
using Json = nlohmann::ordered_json;

// One line of JSON. Text that is not UTF-8 (a file name in another encoding) is written
// with replacement characters rather than failing the run.
inline std::string DumpJson(const Json& value, int indent = -1) {
    return value.dump(indent, ' ', false, Json::error_handler_t::replace);
}

} // namespace kvf::cli
