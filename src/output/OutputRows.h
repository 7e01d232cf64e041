#pragma once

#include "core/BlockAllocator.h"
#include "core/BlockArena.h"
#include "core/MessageSink.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvf {

class SettingsStore;

// The texts of an output row's first two columns.
std::string LevelText(int level);
std::string LineText(int level, int line);

// One row. Its text lies in the row list that holds the row (see OutputRowList).
struct OutputRow {
    int Level = 0;
    int Line = 0;
    std::string_view Text;
    const Document* Target = nullptr;
    int Id = 0; // the message's id in the string table; 0 for none
};

// Rows and their texts: a check run of a large file gives a row for every tenth line, so
// the texts stand one after the other in an arena instead of a string each. Moving the
// list keeps every row's text where it is.
class OutputRowList {
  public:
    OutputRowList() = default;
    OutputRowList(OutputRowList&&) noexcept = default;
    OutputRowList& operator=(OutputRowList&&) noexcept = default;
    OutputRowList(const OutputRowList&) = delete;
    OutputRowList& operator=(const OutputRowList&) = delete;

    void Add(int level, int line, int id, std::string_view text, const Document* document);
    void Clear();
    // The document ends before the rows do (kvfcheck's result).
    void ForgetTargets();

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    const OutputRow& operator[](std::size_t i) const { return rows_[i]; }
    const OutputRow& back() const { return rows_.back(); }
    BlockVector<OutputRow>::const_iterator begin() const { return rows_.begin(); }
    BlockVector<OutputRow>::const_iterator end() const { return rows_.end(); }

  private:
    std::string_view Keep(std::string_view text);

    BlockVector<OutputRow> rows_;
    BlockArena texts_;
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
    void RunStarts() override;
    void RunEnds() override;

    const OutputRowList& Rows() const { return rows_; }
    // Hands the rows over (kvfcheck's result), leaving none.
    OutputRowList TakeRows() { return std::exchange(rows_, {}); }
    const Document* TargetDocument() const { return target_; }

  private:
    bool WarningsHidden();

    const SettingsStore* settings_;
    OutputRowList rows_;
    const Document* target_ = nullptr;
    // Whether warnings are dropped, as read when the running check run started: a run
    // asks once, not per row. Outside a run (-1) every row asks.
    int hideWarnings_ = -1;
};

} // namespace kvf
