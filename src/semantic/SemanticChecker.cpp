#include "semantic/SemanticChecker.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/NumberReader.h"
#include "core/AsciiText.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/RunContext.h"

#include <algorithm>

namespace kvf {

using semantic::Acceptance;
using semantic::Index;
using semantic::Info;
using semantic::Keep;
using semantic::KeywordInfo;
using semantic::Kw;
using semantic::Multiplicity;
using semantic::Role;

bool IsTreeGroupName(std::string_view key) {
    // The catalogue's group names after the first, which names the root.
    for (const GroupName& group : KeywordCatalogue::Instance().GroupNames().subspan(1))
        if (EqualsNoCase(key, group.Name))
            return true;
    return false;
}

SemanticChecker::SemanticChecker(RunContext& run, Document& document)
    : context_(run, document), groups_(context_) {}

SemanticChecker::Resolved SemanticChecker::Resolve(std::string_view key) {
    Resolved resolved;
    resolved.TreeGroupName = IsTreeGroupName(key);
    if (!resolved.TreeGroupName)
        resolved.Keyword = semantic::FindSemanticKeyword(key);
    return resolved;
}

namespace {

constexpr std::uint16_t kTreeGroupName = 0xFFFF;
constexpr std::uint16_t kNoKeyword = 0xFFFE;
static_assert(semantic::kKeywordCount < kNoKeyword);

// The code of every catalogue keyword, in the order of the catalogue's rows and of each
// row's keywords, with where each row's keywords begin.
struct CatalogueKeywordCodes {
    std::vector<std::size_t> RowStarts;
    std::vector<std::uint16_t> Codes;

    CatalogueKeywordCodes() {
        for (const CatalogueRow& row : KeywordCatalogue::Instance().Rows()) {
            RowStarts.push_back(Codes.size());
            for (const CatalogueKeyword& keyword : row.Keywords)
                Codes.push_back(SemanticChecker::Encode(SemanticChecker::Resolve(keyword.Name)));
        }
    }

    std::uint16_t Of(const CatalogueMatch& match) const {
        const KeywordCatalogue& catalogue = KeywordCatalogue::Instance();
        const auto row = static_cast<std::size_t>(match.Row - catalogue.Rows().data());
        const auto keyword = static_cast<std::size_t>(match.Keyword - match.Row->Keywords.data());
        return Codes[RowStarts[row] + keyword];
    }
};

} // namespace

SemanticChecker::Resolved SemanticChecker::Resolve(std::string_view key,
                                                   const CatalogueEntry& named) {
    // A catalogue keyword is resolved as its own name is, since both lookups ignore case
    // alone. A group name and a key the catalogue does not know are resolved from the key.
    if (named.Keyword && !named.Group) {
        static const CatalogueKeywordCodes codes;
        return Decode(codes.Of(named.Keyword));
    }
    return Resolve(key);
}

std::uint16_t SemanticChecker::Encode(const Resolved& resolved) {
    return resolved.TreeGroupName ? kTreeGroupName
           : resolved.Keyword     ? static_cast<std::uint16_t>(*resolved.Keyword)
                                  : kNoKeyword;
}

SemanticChecker::Resolved SemanticChecker::Decode(std::uint16_t code) {
    Resolved resolved;
    resolved.TreeGroupName = code == kTreeGroupName;
    if (code < kNoKeyword)
        resolved.Keyword = static_cast<Kw>(code);
    return resolved;
}

void SemanticChecker::CheckEntry(CDbEntry& entry, int pass) {
    CheckEntry(entry, pass, Resolve(entry.Key));
}

void SemanticChecker::CheckEntry(CDbEntry& entry, int pass, const Resolved& resolved) {
    context_.SetCurrent(entry.Key, entry.Value, entry.LongLine);
    if (resolved.TreeGroupName)
        return;
    if (pass == PASS_FINAL) {
        groups_.Get<FinalRules>().Run();
        return;
    }
    const std::optional<Kw>& kw = resolved.Keyword;
    if (!kw)
        return; // user-defined or unknown keys get no semantic handling
    if (pass == PASS_FIRST)
        FirstPass(*kw, entry);
    else if (pass == PASS_SECOND)
        SecondPass(*kw, entry);
}

void SemanticChecker::FirstPass(Kw kw, CDbEntry& entry) {
    const KeywordInfo& info = Info(kw);
    entry.Accepted = 0;
    if (!CheckContext(info, entry))
        return; // a misplaced line is neither counted nor accepted
    ResetBlockCounters(kw);
    groups_.RunHooks(kw, HookStage::FirstPlaced, entry);
    if (info.CountOnlyValid && !entry.Valid)
        return;

    Counted counted = CountAndCheckMultiplicity(info, entry);
    if (counted == Counted::Reported && !info.StoreRepeated)
        return;
    if (counted != Counted::Reported && info.Accept == Acceptance::AfterMultiplicity)
        entry.Accepted = 1;
    if (counted == Counted::NothingFurther)
        return;
    KeepValue(info, entry);
    groups_.RunHooks(kw, HookStage::FirstHeld, entry);
}

void SemanticChecker::SecondPass(Kw kw, CDbEntry& entry) {
    const KeywordInfo& info = Info(kw);
    // Revision and role rules judge every line, also one that failed its context rule.
    if (info.MinRevision > 0)
        CheckRevision(static_cast<std::uint32_t>(info.MinRevision));
    switch (info.Belongs) {
    case Role::Slave:
        CheckSlaveOnly();
        break;
    case Role::Master:
        CheckMasterOnly();
        break;
    case Role::SlaveModular:
        CheckSlaveOnly();
        CheckModularOnly();
        break;
    case Role::None:
        break;
    }
    groups_.RunHooks(kw, HookStage::Second, entry);
}

int SemanticChecker::CheckContext(const KeywordInfo& info, const CDbEntry& entry) {
    switch (info.Where) {
    case semantic::Context::Top:
        return RequireTopLevel(entry.hParent);
    case semantic::Context::TopOrModule:
        return RequireTopLevelOrIn(entry.hParent, semantic::BlockName(semantic::Block::Module));
    case semantic::Context::Inside:
        return RequireInside(entry.hParent, semantic::BlockName(info.Inside));
    }
    return 1;
}

void SemanticChecker::ResetBlockCounters(Kw begin) {
    for (Kw kw : semantic::KeywordsResetBy(begin)) {
        if (Info(kw).Rule == Multiplicity::OncePerModuleOrFile)
            context_.ModuleCounter(kw) = 0;
        else
            context_.Counter(kw) = 0;
    }
}

SemanticChecker::Counted SemanticChecker::CountAndCheckMultiplicity(const KeywordInfo& info,
                                                                    CDbEntry& entry) {
    unsigned& count = context_.Counter(info.Id);
    auto countThenCheck = [&](unsigned& counter, int rule) {
        ++counter;
        if (info.Accept == Acceptance::BeforeMultiplicity)
            entry.Accepted = 1;
        return CheckUnique(rule, counter, entry.hParent) ? Counted::Held : Counted::Reported;
    };
    switch (info.Rule) {
    case Multiplicity::None:
        ++count;
        return Counted::Held;
    case Multiplicity::OncePerFile:
        return countThenCheck(count, msg::MultipleDefinitionTop);
    case Multiplicity::OncePerModule:
        return countThenCheck(count, msg::MultipleDefinitionModule);
    case Multiplicity::OncePerInterface:
        return countThenCheck(count, msg::MultipleDefinitionPhysicalInterface);
    case Multiplicity::OncePerBlock:
        return countThenCheck(count, msg::MultipleDefinitionInBlock);
    case Multiplicity::OncePerModuleOrFile:
        // After the context rule a line in a block can only stand in a Module.
        if (entry.hParent)
            return countThenCheck(context_.ModuleCounter(info.Id), msg::MultipleDefinitionModule);
        return countThenCheck(count, msg::MultipleDefinitionTop);
    case Multiplicity::OncePerExtUserPrmData:
        // Checked before counting: a refused line is not counted.
        if (!CheckUnique(msg::MultipleDefinitionExtUserPrmData, count))
            return Counted::Reported;
        ++count;
        return Counted::Held;
    case Multiplicity::OneDataType:
        ++count;
        if (!groups_.Get<UserParameterRules>().CurrentExtUserPrmData())
            return Counted::NothingFurther;
        return CheckUnique(msg::MultipleDataTypeName, count) ? Counted::Held : Counted::Reported;
    }
    return Counted::Held;
}

void SemanticChecker::KeepValue(const KeywordInfo& info, const CDbEntry& entry) {
    if (!entry.Valid)
        return; // an invalid value leaves the collected state as it was
    switch (info.Kept) {
    case Keep::Flag:
        context_.SetKeptValue(
            info.Id,
            static_cast<std::int32_t>(ReadSigned32(context_.CurrentValue(), 10).Bits) == 1 ? 1 : 0);
        break;
    case Keep::Number:
        context_.SetKeptValue(info.Id, ValueNumber(entry.m_Ready[0]));
        break;
    case Keep::Nothing:
        break;
    }
}

void RunSemanticCheck(RunContext& run, Document& document) {
    RunSemanticCheck(run, document, {});
}

void RunSemanticCheck(RunContext& run, Document& document,
                      std::span<const std::uint16_t> keyCodes) {
    CKeyDatabase& database = document.Database;
    SemanticChecker checker(run, document);
    // Each key is resolved once for both passes, unless the caller has done so. (No rule of
    // the first pass changes a key.)
    std::vector<std::uint16_t> resolvedHere;
    const bool given = keyCodes.size() == database.Count();
    if (!given)
        resolvedHere.reserve(database.Count());
    std::size_t i = 0;
    for (CDbEntry& entry : database) {
        if (run.Cancelled())
            return;
        run.Focus.CurrentEntry = &entry;
        SemanticChecker::Resolved resolved;
        if (given) {
            resolved = SemanticChecker::Decode(keyCodes[i++]);
        } else {
            resolved = SemanticChecker::Resolve(entry.Key);
            resolvedHere.push_back(SemanticChecker::Encode(resolved));
        }
        checker.CheckEntry(entry, PASS_FIRST, resolved);
    }
    if (!given)
        keyCodes = resolvedHere;
    i = 0;
    for (CDbEntry& entry : database) {
        if (run.Cancelled())
            return;
        run.Focus.CurrentEntry = &entry;
        checker.CheckEntry(entry, PASS_SECOND, SemanticChecker::Decode(keyCodes[i++]));
    }
    if (CDbEntry* last = database.Last()) {
        run.Focus.CurrentEntry = last;
        checker.CheckEntry(*last, PASS_FINAL);
    }
}

} // namespace kvf
