#pragma once

#include "core/CKeyDatabase.h"
#include "core/InputForm.h"

#include <array>
#include <string>

namespace kvf {

// The input form of the input view: which layout, the help text, captions and values.
struct InputFormData {
    InputForm FormKind = InputForm::None;
    std::string HelpText;
    std::array<std::string, 4> Captions;
    std::array<std::string, 4> Values;
};

// What the keyword dispatcher acts on: the CurrentEntry and the InputForm it shows that
// entry in (or stores it from). Each document window owns one, so selecting an entry in
// one window leaves the others alone; a build or check run owns one of its own for the
// entry it is at (RunContext::Focus). The database told of it (CKeyDatabase) resets
// CurrentEntry when it destroys that entry.
struct EntryFocus final : EntryReferences {
    CDbEntry* CurrentEntry = nullptr;
    InputFormData InputForm;

    // What a rebuilt database leaves: no entry, and a form of no layout (its help text and
    // values stay until the next entry is shown).
    void ShowNoEntry() {
        CurrentEntry = nullptr;
        InputForm.FormKind = InputForm::None;
    }

    void ForgetEntry(const CDbEntry* entry) override {
        if (CurrentEntry == entry)
            CurrentEntry = nullptr;
    }
};

} // namespace kvf
