#pragma once

#include "core/MessageSink.h"

#include <string>
#include <utility>
#include <vector>

namespace kvf {

class SettingsStore;

// The texts of an output row's first two columns.
std::string LevelText(int level);
std::string LineText(int level, int line);

struct OutputRow {
    int Level = 0;
    int Line = 0;
    std::string Text;
    const Document* Target = nullptr;
    int Id = 0; // the message's id in the string table; 0 for none
};

// The output window's rows without the window: what kvfcheck prints and what the editor's
// list shows. Warnings are dropped when the setting "Settings"/"Warnings" is 1.
class OutputRows : public MessageSink {
  public:
    explicit OutputRows(const SettingsStore& settings) : settings_(&settings) {}

    void AddMessage(int level, int line, const std::string& text,
                    const Document* document) override;
    void AddIdentifiedMessage(int level, int line, int id, const std::string& text,
                              const Document* document) override;
    void ClearMessages() override;

    const std::vector<OutputRow>& Rows() const { return rows_; }
    // Hands the rows over (kvfcheck's result), leaving none.
    std::vector<OutputRow> TakeRows() { return std::exchange(rows_, {}); }
    const Document* TargetDocument() const { return target_; }

  private:
    const SettingsStore* settings_;
    std::vector<OutputRow> rows_;
    const Document* target_ = nullptr;
};

} // namespace kvf
