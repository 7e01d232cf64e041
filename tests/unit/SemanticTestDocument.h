#pragma once

// A document whose entry database is built from short "Key = Value" lines the way the
// reader and the syntax check would leave it, for the semantic checker's tests.
//
//   "Key = Value"     an entry; m_Ready[0] is the value
//   "Key(i) = Value"  an indexed entry; m_Ready[0] is i, m_Ready[1] the value
//   "?..."            the same, but the syntax check did not find the value valid
//   "Module = "name" bytes"            m_Ready[0] is the name, m_Ready[1] the bytes
//   "Slot(n) = "name" default allowed" m_Ready[0..3] are n, the name, default and allowed
//
// Block begin keys open a block (later entries get it as hParent), block end keys stand in
// the open block and close it. Line i of the list has LongLine i.

#include "core/AsciiText.h"
#include "core/Document.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"
#include "core/TextLines.h"
#include "output/OutputRows.h"
#include "semantic/SemanticChecker.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace kvf::test {

struct BlockKeys {
    std::string_view Begin, End, NestsIn;
};

// The blocks as the keyword dispatcher links them: a begin opens a block only when no
// block is open, or, for the two nested kinds, inside its enclosing block; an end closes
// the open block when that block is its own.
inline constexpr BlockKeys kBlocks[] = {
    {"Module", "EndModule", ""},
    {"Physical_Interface", "End_Physical_Interface", ""},
    {"UNIT_DIAG_AREA", "UNIT_DIAG_AREA_END", ""},
    {"X_Unit_Diag_Area", "X_Unit_Diag_Area_End", "UnitDiagType"},
    {"UnitDiagType", "EndUnitDiagType", ""},
    {"EXTUSERPRMDATA", "ENDEXTUSERPRMDATA", ""},
    {"PRMTEXT", "ENDPRMTEXT", ""},
    {"SlotDefinition", "EndSlotDefinition", ""},
    {"Data_Area_Beg", "Data_Area_End", "Module"},
    {"Jokerblock_Type", "End_Jokerblock_Type", ""},
};

class SemanticTestDocument {
  public:
    explicit SemanticTestDocument(std::string pathName = "/work/DEV01234.kvf")
        : document(lines, "DEV01234.kvf", std::move(pathName)) {}

    SemanticTestDocument& Add(std::string_view line) {
        bool valid = true;
        if (!line.empty() && line.front() == '?') {
            valid = false;
            line.remove_prefix(1);
        }
        std::size_t eq = line.find('=');
        std::string key(Trim(line.substr(0, eq)));
        std::string value(eq == std::string_view::npos ? "" : Trim(line.substr(eq + 1)));
        std::string index;
        std::size_t paren = key.find('(');
        if (paren != std::string::npos) {
            index = key.substr(paren + 1, key.find(')') - paren - 1);
            key.resize(paren);
        }
        int lineNo = static_cast<int>(document.Database.Count());
        auto entry = std::make_unique<CDbEntry>(key, value, lineNo, lineNo);
        entry->Valid = valid ? 1 : 0;
        if (paren != std::string::npos) {
            entry->m_Ready[0] = index;
            entry->m_Ready[1] = value;
        } else {
            entry->m_Ready[0] = value;
        }
        if (EqualsNoCase(key, "Module") || EqualsNoCase(key, "Slot"))
            SplitQuotedName(*entry, EqualsNoCase(key, "Slot") ? 1 : 0, value);
        entry->hParent = open_.empty() ? nullptr : open_.back();
        CDbEntry& added = document.Database.Append(std::move(entry));
        for (const BlockKeys& block : kBlocks) {
            if (EqualsNoCase(key, block.Begin)) {
                if (open_.empty() ||
                    (!block.NestsIn.empty() && EqualsNoCase(open_.back()->Key, block.NestsIn)))
                    open_.push_back(&added);
            } else if (EqualsNoCase(key, block.End)) {
                if (!open_.empty() && EqualsNoCase(open_.back()->Key, block.Begin))
                    open_.pop_back();
            }
        }
        return *this;
    }

    SemanticTestDocument& Add(std::initializer_list<std::string_view> lines) {
        for (std::string_view line : lines)
            Add(line);
        return *this;
    }

    // The whole semantic run, as the check run does it.
    std::vector<std::string> Run() {
        RunSemanticCheck(run, document);
        return Messages();
    }

    // The first pass only.
    std::vector<std::string> RunFirstPass() {
        checker = std::make_unique<SemanticChecker>(run, document);
        for (CDbEntry& entry : document.Database)
            checker->CheckEntry(entry, PASS_FIRST);
        return Messages();
    }

    // The first and second pass only, without the final rules.
    std::vector<std::string> RunPasses() {
        checker = std::make_unique<SemanticChecker>(run, document);
        for (CDbEntry& entry : document.Database)
            checker->CheckEntry(entry, PASS_FIRST);
        for (CDbEntry& entry : document.Database)
            checker->CheckEntry(entry, PASS_SECOND);
        return Messages();
    }

    // Rows as "E 3: text" or "W 3: text" (level letter, 0-based line, text).
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const OutputRow& row : rows.Rows())
            out.push_back(std::string(row.Level == LEVEL_ERROR ? "E " : "W ") +
                          std::to_string(row.Line) + ": " + std::string(row.Text));
        return out;
    }

    CDbEntry& Entry(std::size_t index) { return document.Database.At(index); }

    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    RunContext run{services};
    VectorTextLines lines;
    Document document;
    std::unique_ptr<SemanticChecker> checker;
    // Texts a test gives the checker as its current key and value (it holds views).
    std::string heldKey;
    std::string heldValue;

  private:
    std::vector<CDbEntry*> open_;

    // A quoted name into part `at`, the text after it into the next part; for a slot that
    // text is the default and the allowed values.
    static void SplitQuotedName(CDbEntry& entry, std::size_t at, std::string_view value) {
        std::size_t open = value.find('"');
        std::size_t close = value.find('"', open + 1);
        if (open == std::string_view::npos || close == std::string_view::npos)
            return;
        entry.m_Ready[at] = std::string(value.substr(open + 1, close - open - 1));
        std::string_view rest = Trim(value.substr(close + 1));
        if (at == 0) {
            entry.m_Ready[1] = std::string(rest);
            return;
        }
        std::size_t blank = rest.find(' ');
        entry.m_Ready[2] = std::string(rest.substr(0, blank));
        entry.m_Ready[3] =
            blank == std::string_view::npos ? "" : std::string(Trim(rest.substr(blank)));
    }
};

// Expected rows in the form the test document renders them: level, 0-based line, text.
template <typename... Args> std::string E(int line, int id, const Args&... args) {
    return "E " + std::to_string(line) + ": " + FormatMessage(id, args...);
}
template <typename... Args> std::string W(int line, int id, const Args&... args) {
    return "W " + std::to_string(line) + ": " + FormatMessage(id, args...);
}

} // namespace kvf::test
