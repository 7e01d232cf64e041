// Diagnosis definitions: bits, areas, area values, channel diagnosis types and their help
// texts, free of overlaps and within Max_Diag_Data_Len.
//
// The first pass collects the numbers of each kind in its own list and reports a number
// defined twice; the second pass judges bit positions against Max_Diag_Data_Len and help
// texts against the definitions of the whole file. Help texts of an area, a UnitDiagType
// block or a module are judged at the block's end, against the definitions of that block.

#include "semantic/DiagnosisRules.h"

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/RunContext.h"

#include <new>

namespace kvf {

using semantic::Kw;

namespace {

// At the area ends the block content rule (a missing Value line) comes first; at ENDMODULE
// the module's help texts come after its parameter lengths and before its data areas.
constexpr int kAfterModuleLengths = hook_order::Module + 50;

// The number of values an area of the bits first ... last can take: 2 to the power of its
// width, the power taken modulo 32 (a width of 32 gives 1).
std::uint32_t AreaRange(std::int32_t first, std::int32_t last) {
    auto width = static_cast<std::uint32_t>(static_cast<std::int64_t>(last) - first + 1);
    return 1u << (width & 31u);
}

std::uint32_t Unsigned(const std::string& part) {
    return static_cast<std::uint32_t>(ValueNumber(part));
}

} // namespace

std::span<const RuleHook<DiagnosisRules>> DiagnosisRules::Hooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::Diagnosis;
    static const RuleHook<DiagnosisRules> hooks[] = {
        {Kw::Unit_Diag_Bit, Kw::Unit_Diag_Bit, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBitFirst},
        {Kw::Unit_Diag_Not_Bit, Kw::Unit_Diag_Not_Bit, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBitFirst},
        {Kw::Unit_Diag_Bit_Help, Kw::Unit_Diag_Bit_Help, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBitFirst},
        {Kw::Unit_Diag_Not_Bit_Help, Kw::Unit_Diag_Not_Bit_Help, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBitFirst},
        {Kw::X_Unit_Diag_Bit, Kw::X_Unit_Diag_Bit, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBitFirst},
        {Kw::X_Unit_Diag_Not_Bit, Kw::X_Unit_Diag_Not_Bit, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBitFirst},
        {Kw::X_Unit_Diag_Bit_Help, Kw::X_Unit_Diag_Bit_Help, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBitFirst},
        {Kw::X_Unit_Diag_Not_Bit_Help, Kw::X_Unit_Diag_Not_Bit_Help, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBitFirst},
        {Kw::UNIT_DIAG_AREA, Kw::UNIT_DIAG_AREA, S::FirstPlaced, kOrder,
         &DiagnosisRules::OnDiagAreaPlaced},
        {Kw::X_Unit_Diag_Area, Kw::X_Unit_Diag_Area, S::FirstPlaced, kOrder,
         &DiagnosisRules::OnDiagAreaPlaced},
        {Kw::UnitDiagType, Kw::UnitDiagType, S::FirstPlaced, kOrder,
         &DiagnosisRules::OnUnitDiagTypePlaced},
        {Kw::VALUE, Kw::VALUE, S::FirstHeld, kOrder, &DiagnosisRules::OnAreaValueFirst},
        {Kw::VALUE_HELP, Kw::VALUE_HELP, S::FirstHeld, kOrder, &DiagnosisRules::OnAreaValueFirst},
        {Kw::X_Value, Kw::X_Value, S::FirstHeld, kOrder, &DiagnosisRules::OnAreaValueFirst},
        {Kw::X_Value_Help, Kw::X_Value_Help, S::FirstHeld, kOrder,
         &DiagnosisRules::OnAreaValueFirst},
        {Kw::UNIT_DIAG_AREA_END, Kw::UNIT_DIAG_AREA_END, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBlockEndFirst},
        {Kw::X_Unit_Diag_Area_End, Kw::X_Unit_Diag_Area_End, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBlockEndFirst},
        {Kw::EndUnitDiagType, Kw::EndUnitDiagType, S::FirstHeld, kOrder,
         &DiagnosisRules::OnDiagBlockEndFirst},
        {Kw::Module, Kw::Module, S::FirstPlaced, kOrder, &DiagnosisRules::OnModuleDiagPlaced},
        {Kw::Channel_Diag, Kw::Channel_Diag, S::FirstHeld, kOrder,
         &DiagnosisRules::OnChannelDiagFirst},
        {Kw::Channel_Diag_Help, Kw::Channel_Diag_Help, S::FirstHeld, kOrder,
         &DiagnosisRules::OnChannelDiagFirst},
        {Kw::ENDMODULE, Kw::ENDMODULE, S::FirstHeld, kAfterModuleLengths,
         &DiagnosisRules::OnDiagBlockEndFirst},
        {Kw::Unit_Diag_Bit, Kw::Unit_Diag_Bit, S::Second, kOrder,
         &DiagnosisRules::OnDiagPositionSecond},
        {Kw::Unit_Diag_Not_Bit, Kw::Unit_Diag_Not_Bit, S::Second, kOrder,
         &DiagnosisRules::OnDiagPositionSecond},
        {Kw::UNIT_DIAG_AREA, Kw::UNIT_DIAG_AREA, S::Second, kOrder,
         &DiagnosisRules::OnDiagPositionSecond},
        {Kw::X_Unit_Diag_Area, Kw::X_Unit_Diag_Area, S::Second, kOrder,
         &DiagnosisRules::OnDiagPositionSecond},
        {Kw::Unit_Diag_Bit_Help, Kw::Unit_Diag_Bit_Help, S::Second, kOrder,
         &DiagnosisRules::OnDiagHelpSecond},
        {Kw::Unit_Diag_Not_Bit_Help, Kw::Unit_Diag_Not_Bit_Help, S::Second, kOrder,
         &DiagnosisRules::OnDiagHelpSecond},
        {Kw::Channel_Diag_Help, Kw::Channel_Diag_Help, S::Second, kOrder,
         &DiagnosisRules::OnDiagHelpSecond},
    };
    return hooks;
}

// ---- First pass ---------------------------------------------------------------------------

// A single bit claims its place in its own list and, for a definition, must not lie inside
// an area; a help text only claims its place among the help texts.
void DiagnosisRules::OnDiagBitFirst(CDbEntry& entry, Kw kw) {
    if (!entry.Valid)
        return;
    std::uint32_t bit = Unsigned(entry.m_Ready[0]);
    DiagNumberList* claims = nullptr;
    DiagNumberList* areas = nullptr;
    switch (kw) {
    case Kw::Unit_Diag_Bit:
        claims = &diagnosis_.DiagBits, areas = &diagnosis_.DiagAreaBits;
        break;
    case Kw::Unit_Diag_Not_Bit:
        claims = &diagnosis_.DiagNotBits, areas = &diagnosis_.DiagAreaBits;
        break;
    case Kw::Unit_Diag_Bit_Help:
        claims = &diagnosis_.DiagBitHelps;
        break;
    case Kw::Unit_Diag_Not_Bit_Help:
        claims = &diagnosis_.DiagNotBitHelps;
        break;
    case Kw::X_Unit_Diag_Bit:
        claims = &diagnosis_.XDiagBits, areas = &diagnosis_.XDiagAreaBits;
        break;
    case Kw::X_Unit_Diag_Not_Bit:
        claims = &diagnosis_.XDiagNotBits, areas = &diagnosis_.XDiagAreaBits;
        break;
    case Kw::X_Unit_Diag_Bit_Help:
        claims = &diagnosis_.XDiagBitHelps;
        break;
    case Kw::X_Unit_Diag_Not_Bit_Help:
        claims = &diagnosis_.XDiagNotBitHelps;
        break;
    default:
        return;
    }
    ClaimDiagBits(*claims, bit, bit, true);
    if (areas)
        ClaimDiagBits(*areas, bit, bit, false);
}

// A new area starts with no values; a valid area line claims its bits, which must not hold
// single bits already, and sets how many values the area can take.
void DiagnosisRules::OnDiagAreaPlaced(CDbEntry& entry, Kw kw) {
    bool extended = kw == Kw::X_Unit_Diag_Area;
    DiagNumberList& values = extended ? diagnosis_.XAreaValues : diagnosis_.AreaValues;
    DiagNumberList& helps = extended ? diagnosis_.XAreaValueHelps : diagnosis_.AreaValueHelps;
    values.Numbers.clear();
    helps.Numbers.clear();
    if (!entry.Valid)
        return;
    std::int32_t first = ValueNumber(entry.m_Ready[0]);
    std::int32_t last = ValueNumber(entry.m_Ready[1]);
    auto firstBit = static_cast<std::uint32_t>(first);
    auto lastBit = static_cast<std::uint32_t>(last);
    ClaimDiagBits(extended ? diagnosis_.XDiagAreaBits : diagnosis_.DiagAreaBits, firstBit, lastBit,
                  true);
    ClaimDiagBits(extended ? diagnosis_.XDiagBits : diagnosis_.DiagBits, firstBit, lastBit, false);
    ClaimDiagBits(extended ? diagnosis_.XDiagNotBits : diagnosis_.DiagNotBits, firstBit, lastBit,
                  false);
    (extended ? diagnosis_.XAreaValueRange : diagnosis_.AreaValueRange) = AreaRange(first, last);
}

// Extended bits are judged within one UnitDiagType block.
void DiagnosisRules::OnUnitDiagTypePlaced(CDbEntry&, Kw) {
    for (DiagNumberList* list :
         {&diagnosis_.XDiagBits, &diagnosis_.XDiagBitHelps, &diagnosis_.XDiagNotBits,
          &diagnosis_.XDiagNotBitHelps, &diagnosis_.XDiagAreaBits})
        list->Numbers.clear();
}

void DiagnosisRules::OnAreaValueFirst(CDbEntry& entry, Kw kw) {
    if (!entry.Valid)
        return;
    std::uint32_t value = Unsigned(entry.m_Ready[0]);
    switch (kw) {
    case Kw::VALUE:
        AddAreaValue(diagnosis_.AreaValues, diagnosis_.AreaValueRange, value);
        break;
    case Kw::VALUE_HELP:
        AddAreaValue(diagnosis_.AreaValueHelps, diagnosis_.AreaValueRange, value);
        break;
    case Kw::X_Value:
        AddAreaValue(diagnosis_.XAreaValues, diagnosis_.XAreaValueRange, value);
        break;
    case Kw::X_Value_Help:
        AddAreaValue(diagnosis_.XAreaValueHelps, diagnosis_.XAreaValueRange, value);
        break;
    default:
        break;
    }
}

// Channel diagnosis types of a module are judged within that module.
void DiagnosisRules::OnModuleDiagPlaced(CDbEntry&, Kw) {
    diagnosis_.ModuleChannelDiags.Numbers.clear();
    diagnosis_.ModuleChannelDiagHelps.Numbers.clear();
}

void DiagnosisRules::OnChannelDiagFirst(CDbEntry& entry, Kw kw) {
    if (!entry.Valid)
        return;
    bool help = kw == Kw::Channel_Diag_Help;
    DiagNumberList& list =
        entry.hParent ? (help ? diagnosis_.ModuleChannelDiagHelps : diagnosis_.ModuleChannelDiags)
                      : (help ? diagnosis_.UnitChannelDiagHelps : diagnosis_.UnitChannelDiags);
    AddChannelDiag(list, Unsigned(entry.m_Ready[0]));
}

// The help texts of a block need definitions in the same block.
void DiagnosisRules::OnDiagBlockEndFirst(CDbEntry&, Kw kw) {
    switch (kw) {
    case Kw::UNIT_DIAG_AREA_END:
        CheckHelpsHaveDefinitions(diagnosis_.AreaValues, diagnosis_.AreaValueHelps);
        break;
    case Kw::X_Unit_Diag_Area_End:
        CheckHelpsHaveDefinitions(diagnosis_.XAreaValues, diagnosis_.XAreaValueHelps);
        break;
    case Kw::EndUnitDiagType:
        CheckHelpsHaveDefinitions(diagnosis_.XDiagBits, diagnosis_.XDiagBitHelps);
        CheckHelpsHaveDefinitions(diagnosis_.XDiagNotBits, diagnosis_.XDiagNotBitHelps);
        break;
    case Kw::ENDMODULE:
        CheckHelpsHaveDefinitions(diagnosis_.ModuleChannelDiags, diagnosis_.ModuleChannelDiagHelps);
        break;
    default:
        break;
    }
}

// ---- Second pass --------------------------------------------------------------------------

// A single bit needs a valid value; an area is judged by its last bit.
void DiagnosisRules::OnDiagPositionSecond(CDbEntry& entry, Kw kw) {
    if (!entry.Accepted)
        return;
    bool area = kw == Kw::UNIT_DIAG_AREA || kw == Kw::X_Unit_Diag_Area;
    if (!area && !entry.Valid)
        return;
    CheckDiagPosition(Unsigned(entry.m_Ready[area ? 1 : 0]));
}

// Help texts outside blocks may find their definition anywhere in the file; the help texts
// of a module's channel diagnosis were judged at its end.
void DiagnosisRules::OnDiagHelpSecond(CDbEntry& entry, Kw kw) {
    if (!entry.Accepted)
        return;
    std::uint32_t value = Unsigned(entry.m_Ready[0]);
    switch (kw) {
    case Kw::Unit_Diag_Bit_Help:
        CheckHelpHasDefinition(diagnosis_.DiagBits, value);
        break;
    case Kw::Unit_Diag_Not_Bit_Help:
        CheckHelpHasDefinition(diagnosis_.DiagNotBits, value);
        break;
    case Kw::Channel_Diag_Help:
        if (!entry.hParent && entry.Valid)
            CheckHelpHasDefinition(diagnosis_.UnitChannelDiags, value);
        break;
    default:
        break;
    }
}

// ---- Rules --------------------------------------------------------------------------------

int DiagnosisRules::ClaimDiagBits(DiagNumberList& list, std::uint32_t first, std::uint32_t last,
                                  bool insert) {
    // The list holds bit positions far below 2^31, so a last bit that is negative as a
    // signed number ends the range before any of them.
    if (static_cast<std::int32_t>(last) < 0 || last < first)
        return 1;
    std::set<std::uint32_t>& bits = list.Numbers;
    auto begin = bits.lower_bound(first);
    auto end = bits.upper_bound(last);
    int holds = 1;
    if (begin != end) {
        // Testing names the lowest bit in conflict, claiming the highest one it replaces.
        std::uint32_t conflict = insert ? *std::prev(end) : *begin;
        holds = Report(LEVEL_WARNING, msg::RedefinitionOfEntry, conflict, list.RedefinitionName);
    }
    if (!insert)
        return holds;
    try {
        for (std::uint64_t bit = first; bit <= last; ++bit)
            bits.insert(end, static_cast<std::uint32_t>(bit));
    } catch (const std::bad_alloc&) {
        context_.Run().Alert(std::string(kvf::MessageText(msg::OutOfMemoryCheck)));
    }
    return holds;
}

// Only the bits after the first seven bytes of the diagnosis carry device-specific bits.
int DiagnosisRules::CheckDiagPosition(std::uint32_t bit) {
    if (Count(Kw::Max_Diag_Data_Len) == 0)
        return Report(LEVEL_WARNING, msg::DiagLenRecommended, CurrentKey());
    std::int64_t length = KeptValue(Kw::Max_Diag_Data_Len);
    if (length >= 7 && bit < 8 * length - 56)
        return 1;
    return Report(LEVEL_ERROR, msg::DiagPositionExceeds, CurrentKey());
}

// A value outside the area is reported and not recorded, so a second occurrence of it is out
// of range again rather than a redefinition.
int DiagnosisRules::AddAreaValue(DiagNumberList& list, std::uint32_t range, std::uint32_t value) {
    if (value >= range)
        return Report(LEVEL_ERROR, msg::AreaValueExceeds, value, range - 1);
    try {
        if (!list.Numbers.insert(value).second)
            return Report(LEVEL_WARNING, msg::RedefinitionOfValue, value, "(X_)Unit_Diag_Area");
    } catch (const std::bad_alloc&) {
        context_.Run().Alert(std::string(kvf::MessageText(msg::OutOfMemoryCheck)));
    }
    return 1;
}

int DiagnosisRules::AddChannelDiag(DiagNumberList& list, std::uint32_t type) {
    try {
        if (!list.Numbers.insert(type).second)
            return Report(LEVEL_WARNING, msg::RedefinitionOfEntry, type, "Channel_Diag");
    } catch (const std::bad_alloc&) {
        context_.Run().Alert(std::string(kvf::MessageText(msg::OutOfMemoryCheck)));
    }
    return 1;
}

int DiagnosisRules::CheckHelpHasDefinition(const DiagNumberList& definitions, std::uint32_t value) {
    if (definitions.Contains(value))
        return 1;
    return Report(LEVEL_WARNING, msg::HelpWithoutDefinition, definitions.DefinitionName, value);
}

int DiagnosisRules::CheckHelpsHaveDefinitions(const DiagNumberList& definitions,
                                              const DiagNumberList& helps) {
    int holds = 1;
    auto judge = [&](std::uint32_t value) {
        if (!definitions.Contains(value))
            holds = Report(LEVEL_WARNING, msg::HelpWithoutDefinition, definitions.DefinitionName,
                           value);
    };
    if (helps.Descending)
        for (auto it = helps.Numbers.rbegin(); it != helps.Numbers.rend(); ++it)
            judge(*it);
    else
        for (std::uint32_t value : helps.Numbers)
            judge(value);
    return holds;
}

} // namespace kvf
