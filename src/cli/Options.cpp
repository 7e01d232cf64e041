#include "cli/Options.h"

#include "cli/ExitStatus.h"
#include "version/BuildVersion.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>

namespace kvf::cli {
namespace {

const char* const kDescription =
    "Checks KVF device-description files as the editor's Check KVF (F7) does and prints the\n"
    "rows of the output window, one per line: Exception, Line-Nr. and Probable Cause,\n"
    "separated by tabs.";

const char* const kFooter =
    R"(A directory is searched recursively for files named *.kv? (any case); they are checked
in name order. Files are reported in the order of the arguments, also with -j.

Rule selection: every finding has a message id (see --list-messages). The settings file
can select them too, in a section [Checks] with the values Disable and EnableOnly (lists
of ids); the command line adds to Disable and replaces EnableOnly. A row that is not
selected is neither printed nor counted. The rows that frame a check run (Start ...,
...stop ...) are always printed.

Language variants: with --variants, each file is compared with the other languages of its
device instead of being checked: the *.kv? files of its folder whose names agree up to the
extension's last letter (names compared without case); a directory brings in every such
family below it. Each file of a family is compared with the family's reference (the .kvd
file, else the first by name): every keyword, index, number, identifier, reference and
block must agree, only quoted texts, comments, blanks and line ends may differ. Each
difference is an Error on the file's line naming the reference's line.

Exit status: 0 when no row is an Error or Fatal Error (or, with --fail-on warning, a
Warning), 1 when one is (with --variants: when a file differs from its reference), 2 for
bad usage or a file that cannot be read (the reason goes to standard error).)";

const std::map<std::string, ReportFormat> kFormats = {{"text", ReportFormat::Text},
                                                      {"gcc", ReportFormat::Gcc},
                                                      {"json", ReportFormat::Json},
                                                      {"sarif", ReportFormat::Sarif}};

const std::map<std::string, FailOn> kFailOn = {{"error", FailOn::Error},
                                               {"warning", FailOn::Warning}};

// The words a choice takes, as help and usage errors show them ("text|gcc|json|sarif"):
// in the order of the help text, which names the default first.
template <typename Value>
std::string Choices(const std::map<std::string, Value>& words, const std::string& first) {
    std::string text = first;
    for (const auto& [word, value] : words)
        if (word != first)
            text += "|" + word;
    return text;
}

// An option whose value is one of a few words, stored as what the word stands for.
template <typename Value>
CLI::Option* AddChoice(CLI::App& app, const std::string& name, Value& value,
                       const std::map<std::string, Value>& words, const std::string& first,
                       const std::string& help) {
    return app
        .add_option_function<std::string>(
            name, [&value, &words](const std::string& word) { value = words.at(word); }, help)
        ->check(CLI::IsMember(words).description(""))
        ->option_text(Choices(words, first));
}

} // namespace

ParsedCommandLine ParseCommandLine(int argc, char** argv) {
    ParsedCommandLine parsed;
    Options& o = parsed.options;

    CLI::App app(kDescription, "kvfcheck");
    app.footer(kFooter);
    app.get_formatter()->column_width(28);
    app.add_flag("--no-semantic", o.noSemantic,
                 "skip the semantic check (FailSafe \"NoSemanticCheck\" for this run)");
    app.add_flag("--suppress-warnings", o.suppressWarnings,
                 "add no Warning rows (Settings \"Warnings\" for this run)");
    app.add_option("--settings", o.settingsFile,
                   "read the settings from this INI file (groups Settings, FailSafe, UserKeys, "
                   "Checks) instead of the editor's settings of the user")
        ->type_name("FILE");
    AddChoice(app, "--format", o.format, kFormats, "text",
              "text (default): tab-separated rows; gcc: FILE:LINE: error|warning|note: "
              "TEXT [ID]; json: one JSON document per file; sarif: one SARIF 2.1.0 log "
              "for all files");
    AddChoice(app, "--fail-on", o.failOn, kFailOn, "error",
              "error (default): exit 1 on Error and Fatal Error rows; warning: on Warning "
              "rows too");
    app.add_option("--disable", o.disable, "neither print nor count these message ids")
        ->delimiter(',')
        ->allow_extra_args(false)
        ->type_name("ID[,ID...]");
    app.add_option("--enable-only", o.enableOnly,
                   "print and count only these message ids (besides the frame rows)")
        ->delimiter(',')
        ->allow_extra_args(false)
        ->type_name("ID[,ID...]");
    app.add_flag("--no-inline-disable", o.noInlineDisable,
                 "ignore suppression comments (; kvf-disable-line ID,... and "
                 "; kvf-disable-next-line ID,...)");
    app.add_option("-j,--jobs", o.jobs, "check N files at once (0: one per processor)")
        ->type_name("N");
    app.add_flag("--list-messages", o.listMessages,
                 "print every message id with its level and text, then exit");
    app.add_flag("--dump-db", o.dumpDatabase,
                 "print the entry database that loading builds, one JSON object per entry, "
                 "instead of checking");
    app.add_flag("--explain-module", o.explainModules,
                 "print, instead of checking, every Module with its line and Module_Reference "
                 "and one row per configuration identifier (bytes, direction, length, unit, "
                 "consistency, vendor bytes); JSON with --format json");
    app.add_flag("--variants", o.variants,
                 "compare, instead of checking, each file with the language variants of its "
                 "device (same name, another *.kv? extension, same folder) and print every "
                 "difference that is not a text; see below");
    app.set_version_flag(
        "--version", [] { return "kvfcheck " + VersionText(); },
        "print the version (and the commit built from), then exit");
    app.add_option("paths", o.paths, "KVF files, or directories to search for *.kv? files")
        ->type_name("FILE|DIR");

    try {
        app.parse(argc, argv);
        if (o.paths.empty() && !o.listMessages)
            throw CLI::ValidationError("no file given");
        if (o.variants && (o.dumpDatabase || o.explainModules))
            throw CLI::ValidationError("--variants cannot be combined with --dump-db or "
                                       "--explain-module");
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        parsed.exitStatus = kExitClean;
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << '\n';
        parsed.exitStatus = kExitClean;
    } catch (const CLI::ParseError& error) {
        std::cerr << "kvfcheck: " << error.what() << "\nTry 'kvfcheck --help'.\n";
        parsed.exitStatus = kExitTrouble;
    }
    return parsed;
}

} // namespace kvf::cli
