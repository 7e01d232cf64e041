// kvf-lsp: the checker, keyword help and quick fixes of KVF Editor for any editor that
// speaks the language server protocol over standard input and output.

#include "lsp/StdioTransport.h"
#include "version/BuildVersion.h"

#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const char* const kUsage =
    "Usage: kvf-lsp [--settings FILE] [--stdio]\n"
    "       kvf-lsp --version\n\n"
    "A language server for KVF files on standard input and output: kvfcheck's findings\n"
    "while typing, keyword help, completion, the outline, folding and quick fixes.\n"
    "Settings: the editor's settings file of the user, the FILE given here, or the\n"
    "\"settingsFile\" of the client's initialization options. Logs go to standard error.\n";

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    kvf::lsp::ServerOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--version") {
            std::printf("kvf-lsp %s\n", kvf::VersionText().c_str());
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--stdio")
            continue; // what clients pass; standard input and output is the only transport
        if (arg == "--settings" && i + 1 < argc) {
            options.DefaultSettingsFile = argv[++i];
            continue;
        }
        std::fprintf(stderr, "kvf-lsp: unknown argument '%s'\n%s", arg.c_str(), kUsage);
        return 2;
    }
    kvf::lsp::FramedOutput output(stdout);
    kvf::lsp::StderrLog log;
    kvf::lsp::Server server(output, log, options);
    return kvf::lsp::ServeStream(0, server);
}
