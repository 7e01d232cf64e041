#pragma once

#include "language/Diagnostics.h"

#include <optional>
#include <string>
#include <vector>

namespace kvf::lsp {

// The textDocument/publishDiagnostics notification of a document's findings, as JSON text:
// each finding with its range, severity, message id as code, "kvfcheck" as source and its
// text; the version when there is one (none: the document was closed, its findings go). The
// bytes are exactly those the protocol's JSON library writes for the same message (members in
// name order, no blanks), written straight into one string: a large document's hundred
// thousand findings need no tree of JSON values on the way.
std::string DiagnosticsMessage(const std::string& uri, std::optional<int> version,
                               const std::vector<language::Diagnostic>& diagnostics);

// A finding that names a line of another document too: published with that place as its
// relatedInformation (the line's start, and a message in UTF-8).
struct RelatedDiagnostic {
    language::Diagnostic Finding;
    std::string Uri;
    int Line = 0;
    std::string Message;
};

// The same with `related` after the document's own findings.
std::string DiagnosticsMessage(const std::string& uri, std::optional<int> version,
                               const std::vector<language::Diagnostic>& diagnostics,
                               const std::vector<RelatedDiagnostic>& related);

} // namespace kvf::lsp
