#pragma once

// The identification rules: revision, ident number and file name, station type, slave
// family and the ranges of reference numbers. They set the revision in force, the station
// kind and the slave family that the other groups read.

#include "semantic/RuleContext.h"

#include <cstdint>
#include <span>

namespace kvf {

class IdentificationRules : public RuleGroup {
  public:
    explicit IdentificationRules(RuleContext& context) : RuleGroup(context) {}
    static std::span<const RuleHook<IdentificationRules>> Hooks();

    int CheckKvfRevision(std::int32_t revision);
    int CheckIdentNumber(std::int32_t ident);
    int CheckFileNameIdent(std::int32_t ident);
    int CheckSlaveFamilyRange();
    int CheckReferenceNumber(std::int32_t number, std::uint32_t threshold);

  private:
    void OnKvfRevisionFirst(CDbEntry& entry, semantic::Kw kw);
    void OnIdentNumberFirst(CDbEntry& entry, semantic::Kw kw);
    void OnStationTypeFirst(CDbEntry& entry, semantic::Kw kw);
    void OnSlaveFamilyFirst(CDbEntry& entry, semantic::Kw kw);
    void OnSlaveFamilySecond(CDbEntry& entry, semantic::Kw kw);
    void OnReferenceNumberSecond(CDbEntry& entry, semantic::Kw kw);
};

} // namespace kvf
