#pragma once

#include "core/KeywordTable.h"

#include <cstddef>
#include <string_view>

namespace kvf {

// Yes/no answers about keys (ASCII case ignored), remembered while a run lasts: a file
// asks the same question for each of its lines, about a few dozen distinct keys. Outside
// a run every question is asked afresh, so a changed setting counts at once.
class KeyAnswers {
  public:
    // Runs nest (a check run builds the database); the answers live until the outer ends.
    void BeginRun() {
        if (runs_++ == 0)
            answers_.Clear();
    }
    void EndRun() {
        if (runs_ > 0 && --runs_ == 0)
            answers_.Clear();
    }
    // A run for the lifetime of the object.
    class Run {
      public:
        explicit Run(KeyAnswers& answers) : answers_(answers) { answers_.BeginRun(); }
        ~Run() { answers_.EndRun(); }
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

      private:
        KeyAnswers& answers_;
    };
    template <typename Ask> bool Answer(std::string_view key, Ask&& ask) {
        if (runs_ == 0)
            return ask();
        if (const bool* known = answers_.Find(key))
            return *known;
        bool answer = ask();
        if (answers_.Size() < kMaxRemembered && key.size() <= kMaxRememberedLength)
            answers_.Insert(key, answer);
        return answer;
    }

  private:
    // A file of many distinct keys (random text, a number per line) would otherwise make a
    // table as large as the file: past these bounds a key is asked about each time.
    static constexpr std::size_t kMaxRemembered = 1u << 16;
    static constexpr std::size_t kMaxRememberedLength = 256;
    int runs_ = 0;
    KeywordTable<bool> answers_;
};

} // namespace kvf
