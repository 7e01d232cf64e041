#pragma once

// The working state of one row check, shared by the rule families of the value checks.
// Not part of the engine's interface: only the value-check files include it.

#include "catalogue/KeywordCatalogue.h"
#include "core/CDbEntry.h"
#include "core/MessageSink.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"
#include "core/TextLines.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kvf {

// The text lines of the document under check; a check without document sees no lines.
const TextLines& CheckedLines(const RunContext& run);

struct RowCheck {
    RunContext& Run;
    CDbEntry& Entry;
    const CatalogueKeyword& Keyword;
    const TextLines& Lines;

    // A message whose first argument is the key.
    template <typename... Args> void Report(int level, int id, const Args&... args) {
        Run.ReportMessage(level, Entry.LongLine, id, FormatMessage(id, Entry.Key, args...),
                          Run.CheckedDocument);
    }
    // A message without arguments.
    void ReportPlain(int level, int id) {
        Run.ReportMessage(level, Entry.LongLine, id, FormatMessage(id), Run.CheckedDocument);
    }
    template <typename... Args> void Error(int id, const Args&... args) {
        Report(LEVEL_ERROR, id, args...);
    }

    std::string_view TypeWord(std::string_view fallback = "Number") const {
        return Keyword.TypeWord.empty() ? fallback : Keyword.TypeWord;
    }
};

// A number of a value part as the number rule reads it (lower-case x: automatic base,
// else decimal), as 32-bit bits; the caller compares them signed or unsigned.
std::uint32_t ReadRuleNumber(std::string_view text, bool isSigned);

// Rule families. Each returns 1 when everything passed (warnings do not count) and 0 after
// reporting its one error.
int CheckNumberValue(RowCheck& check); // NumberRules.cpp
int CheckStringValue(RowCheck& check, std::string_view text,
                     int maxLength);     // VisibleStringRule.cpp
int CheckFileNameValue(RowCheck& check); // VisibleStringRule.cpp
int CheckNoValue(RowCheck& check);       // StructuredRules.cpp
int CheckReferenceLine(RowCheck& check);
int CheckOctetListValue(RowCheck& check, std::string_view list);
int CheckOffsetOctets(RowCheck& check);
int CheckTwoNumbers(RowCheck& check);
int CheckIndexText(RowCheck& check);
int CheckNumberName(RowCheck& check);
int CheckBitArea(RowCheck& check);
int CheckModule(RowCheck& check);
int CheckFamilyList(RowCheck& check);
int CheckDataTypeLine(RowCheck& check); // ParameterLineRules.cpp
int CheckBitLine(RowCheck& check);
int CheckBitAreaLine(RowCheck& check);
int CheckSlot(RowCheck& check);

} // namespace kvf
