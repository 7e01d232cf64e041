#include "semantic/IdentificationRules.h"

#include "catalogue/NumberReader.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"

namespace kvf {

using semantic::Kw;

namespace {

// The highest KVF revision the checker knows; later revisions are checked as this one.
constexpr std::uint32_t kNewestRevision = 5;

// The file name of a path: its last component, with '/' or '\' as separator.
std::string_view FileNameOf(std::string_view path) {
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

struct ReferenceNumberRow {
    Kw Keyword;
    int Part;                // the m_Ready element that holds the number
    std::uint32_t Threshold; // the revision from which numbers up to 65535 are allowed
};

constexpr ReferenceNumberRow kReferenceNumbers[] = {
    {Kw::EXTUSERPRMDATA, 0, 2},
    {Kw::EXT_USER_PRM_DATA_REF, 1, 2},
    {Kw::PRMTEXT, 0, 3},
    {Kw::PRM_TEXT_REF, 0, 3},
};

} // namespace

std::span<const RuleHook<IdentificationRules>> IdentificationRules::Hooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::Identification;
    // The reference number range comes after the reference rules of the user parameters.
    constexpr int kAfterReferenceRules = hook_order::UserParameter + 50;
    static const RuleHook<IdentificationRules> hooks[] = {
        {Kw::KVF_Revision, Kw::KVF_Revision, S::FirstHeld, kOrder,
         &IdentificationRules::OnKvfRevisionFirst},
        {Kw::Ident_Number, Kw::Ident_Number, S::FirstHeld, kOrder,
         &IdentificationRules::OnIdentNumberFirst},
        {Kw::Station_Type, Kw::Station_Type, S::FirstHeld, kOrder,
         &IdentificationRules::OnStationTypeFirst},
        {Kw::Slave_Family, Kw::Slave_Family, S::FirstHeld, kOrder,
         &IdentificationRules::OnSlaveFamilyFirst},
        {Kw::Slave_Family, Kw::Slave_Family, S::Second, kOrder,
         &IdentificationRules::OnSlaveFamilySecond},
        {Kw::EXTUSERPRMDATA, Kw::EXTUSERPRMDATA, S::Second, kAfterReferenceRules,
         &IdentificationRules::OnReferenceNumberSecond},
        {Kw::EXT_USER_PRM_DATA_REF, Kw::EXT_USER_PRM_DATA_REF, S::Second, kAfterReferenceRules,
         &IdentificationRules::OnReferenceNumberSecond},
        {Kw::PRMTEXT, Kw::PRMTEXT, S::Second, kAfterReferenceRules,
         &IdentificationRules::OnReferenceNumberSecond},
        {Kw::PRM_TEXT_REF, Kw::PRM_TEXT_REF, S::Second, kAfterReferenceRules,
         &IdentificationRules::OnReferenceNumberSecond},
    };
    return hooks;
}

void IdentificationRules::OnKvfRevisionFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckKvfRevision(ValueNumber(CurrentValue()));
}

void IdentificationRules::OnIdentNumberFirst(CDbEntry&, Kw) {
    // Also for an invalid value: a wrong ident number is worth both messages.
    std::int32_t ident = ValueNumber(CurrentValue());
    CheckIdentNumber(ident);
    CheckFileNameIdent(ident);
}

void IdentificationRules::OnStationTypeFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        context_.SetStationKind(ValueNumber(CurrentValue()));
}

void IdentificationRules::OnSlaveFamilyFirst(CDbEntry& entry, Kw) {
    // The leading number is the main family; the sub-family parts are not read.
    if (entry.Valid)
        context_.SetSlaveFamily(ValueNumber(CurrentValue()));
}

void IdentificationRules::OnSlaveFamilySecond(CDbEntry& entry, Kw) {
    if (entry.Accepted)
        CheckSlaveFamilyRange();
}

void IdentificationRules::OnReferenceNumberSecond(CDbEntry& entry, Kw kw) {
    if (!entry.Accepted || !entry.Valid)
        return;
    for (const ReferenceNumberRow& row : kReferenceNumbers)
        if (row.Keyword == kw)
            CheckReferenceNumber(ValueNumber(entry.m_Ready[static_cast<std::size_t>(row.Part)]),
                                 row.Threshold);
}

int IdentificationRules::CheckKvfRevision(std::int32_t revision) {
    context_.SetRevisionInForce(static_cast<std::uint32_t>(revision));
    if (RevisionInForce() <= kNewestRevision)
        return 1;
    context_.SetRevisionInForce(kNewestRevision);
    return Report(LEVEL_WARNING, msg::KvfRevisionNotSupported, revision);
}

int IdentificationRules::CheckIdentNumber(std::int32_t ident) {
    if (ident != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::InvalidIdentNumber, ident);
}

// A file whose name ends, before its extension, in the four hexadecimal digits of its
// ident number passes. Only the file name is judged, never the directories above it.
int IdentificationRules::CheckFileNameIdent(std::int32_t ident) {
    std::string_view name = FileNameOf(context_.CheckedDocument().PathName);
    std::size_t dot = name.find('.');
    if (dot == std::string_view::npos)
        return 1;
    std::string_view stem = name.substr(0, dot);
    std::string_view digits = stem.size() > 4 ? stem.substr(stem.size() - 4) : stem;
    if (ValueNumber("0x" + std::string(digits)) == ident)
        return 1;
    return Report(LEVEL_WARNING, msg::FileNameIdentNumber, ident);
}

int IdentificationRules::CheckSlaveFamilyRange() {
    const std::int32_t family = context_.SlaveFamily();
    bool tooHigh = family > 12 || (RevisionInForce() < 2 && family > 11);
    if (!tooHigh)
        return 1;
    return Report(LEVEL_ERROR, msg::SlaveFamilyRange, family, RevisionInForce());
}

int IdentificationRules::CheckReferenceNumber(std::int32_t number, std::uint32_t threshold) {
    std::int32_t limit = RevisionInForce() < threshold ? 255 : 65535;
    if (number <= limit)
        return 1;
    return Report(LEVEL_ERROR, msg::ReferenceNumberRange, number, RevisionInForce());
}

} // namespace kvf
