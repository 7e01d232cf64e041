#pragma once

#include "core/CKeyDatabase.h"
#include "core/TextLines.h"

#include <string>

namespace kvf {

// What the engine knows of an open document: its title and path, its text lines (the
// master copy, owned by the editor or by kvfcheck) and its entry database. `shown` is what
// holds pointers into the database beyond a run (the window's CurrentEntry), if anything.
class Document {
  public:
    Document(const TextLines& lines, std::string title, std::string pathName,
             EntryReferences* shown = nullptr)
        : Title(std::move(title)), PathName(std::move(pathName)), Database(shown), lines_(&lines) {}

    const TextLines& Lines() const { return *lines_; }
    void SetLines(const TextLines& lines) { lines_ = &lines; }

    std::string Title;    // the file name as the window shows it; may end in '*' when modified
    std::string PathName; // the full path
    CKeyDatabase Database;
    bool ReadOnly = false;
    bool RebuildFlag = false;
    // Rebuilds and checks running on the document now. A run may give the editor its
    // events between its steps (a progress dialog); what arrives then must leave the
    // database alone until the run ends.
    int RunsInProgress = 0;

  private:
    const TextLines* lines_;
};

} // namespace kvf
