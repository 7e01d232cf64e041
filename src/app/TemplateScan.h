#pragma once

#include <QList>
#include <QString>

#include <optional>

class QByteArray;

namespace kvf {

class SettingsStore;

// A template file of the template folder: its file name and the description of its header.
struct TemplateRow {
    QString FileName;
    QString Description;
};

// What a scan of the template folder found. A file that could not be opened ends the scan:
// the rows found before it stay, and its name is kept for the warning.
struct TemplateScan {
    QList<TemplateRow> Rows;
    bool AnyTemplateFile = false; // a "*.tpl" file exists, whether or not it is listed
    QString UnreadableFile;
};

// The description of a template header line: the text from the eleventh character on,
// trimmed, when the line holds the marker "KVF_Ed:" (so "; KVF_Ed: Compact slave" gives
// "Compact slave"); no description when the marker is missing.
std::optional<QString> TemplateDescription(const QByteArray& headerLine);

// Lists the templates of `folder` ("*.tpl", any case), in name order; an empty folder
// means the current directory.
TemplateScan ScanTemplateFolder(const QString& folder);

// The folder the template dialog opens with: "Settings"/"Tpl_Path" when it is set, else
// "Templates" under the current directory when that exists, else the templates installed
// with the program. Ends in a slash unless it is empty.
QString StartTemplateFolder(const SettingsStore& settings);

// Where the program's own templates are: installed beside the program, in the system's
// data folders, or (for a program run from its build folder) in the source tree.
QString InstalledTemplateFolder();

// `path` with a trailing slash, unless it is empty.
QString FolderWithSlash(const QString& path);

inline constexpr char kTemplatePathSection[] = "Settings";
inline constexpr char kTemplatePathName[] = "Tpl_Path";

} // namespace kvf
