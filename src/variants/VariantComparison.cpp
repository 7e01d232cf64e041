#include "variants/VariantComparison.h"

#include "core/AsciiText.h"
#include "core/CKeyDatabase.h"
#include "core/FindingMessages.h"
#include "core/LineSuppressions.h"
#include "core/MessageIds.h"
#include "core/MessageSelection.h"
#include "core/MessageTable.h"
#include "core/TextLines.h"
#include "variants/EntryForm.h"
#include "variants/SequenceAlignment.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace kvf {
namespace {

constexpr int kVariantFindingIds[] = {msg::VariantValueDiffers, msg::VariantKeyMissing,
                                      msg::VariantKeyExtra, msg::VariantBlockMissing,
                                      msg::VariantBlockExtra};

constexpr std::int64_t kNone = -1;

// Numbers for byte strings, the same number for the same bytes: the alignment compares
// numbers, not strings.
class Interner {
  public:
    std::uint32_t Number(const std::string& bytes) {
        auto [it, added] = numbers_.try_emplace(bytes, static_cast<std::uint32_t>(numbers_.size()));
        return it->second;
    }
    void Reserve(std::size_t count) { numbers_.reserve(count); }

  private:
    std::unordered_map<std::string, std::uint32_t> numbers_;
};

// What the comparison knows of one file's entries.
struct Side {
    const VariantSource* Source = nullptr;
    std::size_t Count = 0;
    std::vector<std::uint32_t> Signatures; // one number per entry: equal for equal forms
    // For an entry that opens a block, the index of the block's last entry; otherwise the
    // entry's own index.
    std::vector<std::size_t> BlockEnd;
    // The entry of the other file this one stands for, or kNone.
    std::vector<std::int64_t> Partner;
    // For an entry without a partner: the index in the other file where it would stand (the
    // other file's count after its last entry).
    std::vector<std::size_t> Place;

    const CDbEntry& Entry(std::size_t i) const { return Source->Database->At(i); }
    int FirstLine(std::size_t i) const { return Entry(i).LongLine; }
    int LastLine(std::size_t i) const { return Entry(i).Line; }
    // The line an entry stands on, or for the place after the last entry that entry's last
    // line.
    int PlaceLine(std::size_t i) const {
        if (i < Count)
            return FirstLine(i);
        return Count > 0 ? LastLine(Count - 1) : 0;
    }
    void ReadForm(std::size_t i, EntryForm& form) const {
        ReadEntryForm(*Source->Lines, FirstLine(i), LastLine(i), form);
        // The classification names some lines by what they are: a bare number inside a
        // module is its Module_Reference. The number is then the value.
        const std::string_view key = Entry(i).Key;
        if (!EqualsNoCase(form.Key, key)) {
            FormToken written{FormToken::Word, std::move(form.Key), false};
            form.Value.insert(form.Value.begin(), std::move(written));
            form.Key.assign(key);
        }
    }
};

std::vector<std::size_t> BlockEnds(const CKeyDatabase& database) {
    const std::size_t count = database.Count();
    std::vector<std::size_t> ends(count);
    std::unordered_map<const CDbEntry*, std::size_t> openers;
    for (std::size_t k = 0; k < count; ++k) {
        const CDbEntry& entry = database.At(k);
        ends[k] = k;
        // Every block around the entry reaches at least to it. Blocks nest a few deep; the
        // bound only guards against a chain that never ends.
        int depth = 0;
        for (const CDbEntry* parent = entry.hParent; parent && depth < 256;
             parent = parent->hParent, ++depth) {
            auto it = openers.find(parent);
            if (it == openers.end())
                break;
            ends[it->second] = k;
        }
        if (entry.ModuleFlag == TYPE_MODULE_BEGIN)
            openers.emplace(&entry, k);
    }
    return ends;
}

Side ReadSide(const VariantSource& source, Interner& signatures) {
    Side side;
    side.Source = &source;
    side.Count = source.Database->Count();
    side.Signatures.reserve(side.Count);
    EntryForm form;
    std::string signature;
    for (std::size_t i = 0; i < side.Count; ++i) {
        side.ReadForm(i, form);
        signature.clear();
        AppendSignature(form, signature);
        side.Signatures.push_back(signatures.Number(signature));
    }
    side.BlockEnd = BlockEnds(*source.Database);
    side.Partner.assign(side.Count, kNone);
    return side;
}

// Within a stretch of entries that the alignment left unmatched on both sides, the entries
// whose keyword and index agree stand for each other: their values differ.
void PairStretch(Side& a, std::size_t aBegin, std::size_t aEnd, Side& b, std::size_t bBegin,
                 std::size_t bEnd) {
    if (aBegin == aEnd || bBegin == bEnd)
        return;
    Interner keys;
    EntryForm form;
    auto keysOf = [&](const Side& side, std::size_t begin, std::size_t end) {
        std::vector<std::uint32_t> numbers;
        numbers.reserve(end - begin);
        for (std::size_t i = begin; i < end; ++i) {
            side.ReadForm(i, form);
            numbers.push_back(keys.Number(PairingKey(form)));
        }
        return numbers;
    };
    const std::vector<std::uint32_t> aKeys = keysOf(a, aBegin, aEnd);
    const std::vector<std::uint32_t> bKeys = keysOf(b, bBegin, bEnd);
    for (const AlignedPair& pair : AlignSequences(aKeys, bKeys)) {
        a.Partner[aBegin + pair.First] = static_cast<std::int64_t>(bBegin + pair.Second);
        b.Partner[bBegin + pair.Second] = static_cast<std::int64_t>(aBegin + pair.First);
    }
}

// How many places a run of entries is moved at most (a file of many equal lines).
constexpr std::size_t kFurthestSlide = 1000;

// How well a run of entries that one file alone has fits the blocks: 2 when it starts with
// a block's opening entry and ends with that block's last one, 1 when it starts with a
// whole block, 0 otherwise.
int BlockFit(const Side& side, std::size_t start, std::size_t end) {
    const std::size_t last = side.BlockEnd[start];
    if (last == start || last >= end)
        return 0;
    return last == end - 1 ? 2 : 1;
}

// A run of entries that one file alone has, between two entries that both have, can often
// stand a few places higher or lower: where the entries before it equal its last ones (or
// those after it its first ones), the alignment could have taken either. A missing block is
// found as a whole only where the run starts at its opening entry, so the run moves to the
// place that fits the blocks best, and stays where it is when none fits better.
void SlideRuns(Side& side, Side& other) {
    const std::vector<std::uint32_t>& sig = side.Signatures;
    std::size_t i = 0;
    while (i < side.Count) {
        if (side.Partner[i] != kNone) {
            ++i;
            continue;
        }
        const std::size_t s = i;
        std::size_t e = i;
        while (e < side.Count && side.Partner[e] == kNone)
            ++e;
        const std::int64_t before = s > 0 ? side.Partner[s - 1] : -1;
        const std::int64_t after =
            e < side.Count ? side.Partner[e] : static_cast<std::int64_t>(other.Count);
        if (after != before + 1) { // the other file has entries of its own here: no move
            i = e;
            continue;
        }
        std::size_t up = 0, down = 0;
        while (up < kFurthestSlide && up < s && side.Partner[s - up - 1] != kNone &&
               sig[s - up - 1] == sig[e - up - 1])
            ++up;
        while (down < kFurthestSlide && e + down < side.Count && side.Partner[e + down] != kNone &&
               sig[s + down] == sig[e + down])
            ++down;
        std::ptrdiff_t best = 0;
        int bestFit = BlockFit(side, s, e);
        for (std::size_t k = 1; k <= std::max(up, down) && bestFit < 2; ++k) {
            if (k <= up && BlockFit(side, s - k, e - k) > bestFit) {
                bestFit = BlockFit(side, s - k, e - k);
                best = -static_cast<std::ptrdiff_t>(k);
            }
            if (k <= down && BlockFit(side, s + k, e + k) > bestFit) {
                bestFit = BlockFit(side, s + k, e + k);
                best = static_cast<std::ptrdiff_t>(k);
            }
        }
        // Each step hands the partner of the entry the run takes in to the entry it leaves.
        auto hand = [&](std::size_t from, std::size_t to) {
            const std::int64_t partner = side.Partner[from];
            side.Partner[from] = kNone;
            side.Partner[to] = partner;
            other.Partner[static_cast<std::size_t>(partner)] = static_cast<std::int64_t>(to);
        };
        for (std::ptrdiff_t j = 1; j <= -best; ++j)
            hand(s - static_cast<std::size_t>(j), e - static_cast<std::size_t>(j));
        for (std::ptrdiff_t j = 0; j < best; ++j)
            hand(e + static_cast<std::size_t>(j), s + static_cast<std::size_t>(j));
        i = e + static_cast<std::size_t>(std::max<std::ptrdiff_t>(best, 0));
    }
}

void Align(Side& a, Side& b) {
    for (const AlignedPair& pair : AlignSequences(a.Signatures, b.Signatures)) {
        a.Partner[pair.First] = static_cast<std::int64_t>(pair.Second);
        b.Partner[pair.Second] = static_cast<std::int64_t>(pair.First);
    }
    SlideRuns(a, b);
    SlideRuns(b, a);
    // Between two matched entries, what is left on both sides is paired by keyword.
    std::size_t aNext = 0, bNext = 0;
    for (std::size_t i = 0; i <= a.Count; ++i) {
        if (i < a.Count && a.Partner[i] == kNone)
            continue;
        const std::size_t bAt = i < a.Count ? static_cast<std::size_t>(a.Partner[i]) : b.Count;
        PairStretch(a, aNext, i, b, bNext, bAt);
        aNext = i + 1;
        bNext = bAt + 1;
    }
}

// Where an entry without a partner would stand in the other file: right after the
// partner of the last entry before it that has one.
void FindPlaces(Side& side, const Side& other) {
    side.Place.assign(side.Count, other.Count);
    std::size_t next = 0;
    for (std::size_t i = 0; i < side.Count; ++i) {
        if (side.Partner[i] != kNone)
            next = static_cast<std::size_t>(side.Partner[i]) + 1;
        else
            side.Place[i] = next;
    }
}

// The entries of side from `first` on that have no partner, as far as a block spans them:
// the index of the block's last entry when the whole block is unmatched, else none.
std::int64_t WholeBlockAlone(const Side& side, std::size_t first,
                             const std::vector<std::size_t>& partnered) {
    const std::size_t last = side.BlockEnd[first];
    if (last == first)
        return kNone;
    // partnered[i]: how many of the entries before i have a partner.
    return partnered[last + 1] == partnered[first] ? static_cast<std::int64_t>(last) : kNone;
}

std::vector<std::size_t> PartneredBefore(const Side& side) {
    std::vector<std::size_t> counts(side.Count + 1, 0);
    for (std::size_t i = 0; i < side.Count; ++i)
        counts[i + 1] = counts[i] + (side.Partner[i] != kNone ? 1 : 0);
    return counts;
}

std::string ShownBlock(const EntryForm& opener) {
    std::string shown = ShownKey(opener);
    if (!opener.Value.empty())
        shown += " = " + ShownTokens(opener.Value, 0);
    return shown;
}

// A finding and where it goes among the others: by the line of the file compared, and on one
// line what the other file has before it (it stands before the entry there) first.
struct Ordered {
    VariantFinding Finding;
    int Rank = 0;
};

VariantFinding Make(int id, int line, int otherLine, std::string text) {
    return VariantFinding{id, FindingLevel(id), line, otherLine, std::move(text)};
}

void FindingsOfFile(const Side& file, const Side& other, std::vector<Ordered>& out) {
    const std::vector<std::size_t> partnered = PartneredBefore(file);
    const std::string& otherName = other.Source->Name;
    EntryForm form, otherForm;
    for (std::size_t i = 0; i < file.Count; ++i) {
        const std::int64_t partner = file.Partner[i];
        if (partner != kNone) {
            const auto j = static_cast<std::size_t>(partner);
            if (file.Signatures[i] == other.Signatures[j])
                continue;
            file.ReadForm(i, form);
            other.ReadForm(j, otherForm);
            const std::size_t from =
                ShownStart(form.Value, FirstDifference(form.Value, otherForm.Value));
            out.push_back({Make(msg::VariantValueDiffers, file.FirstLine(i), other.FirstLine(j),
                                FormatMessage(msg::VariantValueDiffers, ShownKey(form),
                                              ShownTokens(form.Value, from),
                                              ShownTokens(otherForm.Value, from), otherName,
                                              other.FirstLine(j) + 1)),
                           1});
            continue;
        }
        file.ReadForm(i, form);
        const int otherLine = other.PlaceLine(file.Place[i]);
        if (std::int64_t last = WholeBlockAlone(file, i, partnered); last != kNone) {
            const auto end = static_cast<std::size_t>(last);
            out.push_back(
                {Make(msg::VariantBlockExtra, file.FirstLine(i), otherLine,
                      FormatMessage(msg::VariantBlockExtra, ShownBlock(form), file.FirstLine(i) + 1,
                                    file.LastLine(end) + 1, otherName, otherLine + 1)),
                 1});
            i = end;
            continue;
        }
        out.push_back(
            {Make(msg::VariantKeyExtra, file.FirstLine(i), otherLine,
                  FormatMessage(msg::VariantKeyExtra, ShownKey(form), otherName, otherLine + 1)),
             1});
    }
}

void FindingsOfOther(const Side& file, const Side& other, std::vector<Ordered>& out) {
    const std::vector<std::size_t> partnered = PartneredBefore(other);
    const std::string& otherName = other.Source->Name;
    EntryForm form;
    for (std::size_t i = 0; i < other.Count; ++i) {
        if (other.Partner[i] != kNone)
            continue;
        other.ReadForm(i, form);
        const int line = file.PlaceLine(other.Place[i]);
        if (std::int64_t last = WholeBlockAlone(other, i, partnered); last != kNone) {
            const auto end = static_cast<std::size_t>(last);
            out.push_back({Make(msg::VariantBlockMissing, line, other.FirstLine(i),
                                FormatMessage(msg::VariantBlockMissing, ShownBlock(form), otherName,
                                              other.FirstLine(i) + 1, other.LastLine(end) + 1)),
                           0});
            i = end;
            continue;
        }
        out.push_back({Make(msg::VariantKeyMissing, line, other.FirstLine(i),
                            FormatMessage(msg::VariantKeyMissing, ShownKey(form), otherName,
                                          other.FirstLine(i) + 1)),
                       0});
    }
}

} // namespace

std::span<const int> VariantFindingIds() {
    return kVariantFindingIds;
}

bool IsVariantFinding(int id) {
    return std::find(std::begin(kVariantFindingIds), std::end(kVariantFindingIds), id) !=
           std::end(kVariantFindingIds);
}

std::vector<VariantFinding> CompareVariant(const VariantSource& file, const VariantSource& other) {
    Interner signatures;
    signatures.Reserve(file.Database->Count() + other.Database->Count());
    Side a = ReadSide(file, signatures);
    Side b = ReadSide(other, signatures);
    Align(a, b);
    FindPlaces(a, b);
    FindPlaces(b, a);

    std::vector<Ordered> ordered;
    FindingsOfOther(a, b, ordered);
    FindingsOfFile(a, b, ordered);
    std::stable_sort(ordered.begin(), ordered.end(), [](const Ordered& x, const Ordered& y) {
        return x.Finding.Line != y.Finding.Line ? x.Finding.Line < y.Finding.Line : x.Rank < y.Rank;
    });
    std::vector<VariantFinding> findings;
    findings.reserve(ordered.size());
    for (Ordered& o : ordered)
        findings.push_back(std::move(o.Finding));
    return findings;
}

std::vector<std::vector<VariantFinding>> CompareFamily(std::span<const VariantSource> files,
                                                       std::size_t reference) {
    std::vector<std::vector<VariantFinding>> findings(files.size());
    if (reference >= files.size())
        return findings;
    for (std::size_t i = 0; i < files.size(); ++i)
        if (i != reference)
            findings[i] = CompareVariant(files[i], files[reference]);
    return findings;
}

void KeepSelected(std::vector<VariantFinding>& findings, const MessageSelection& selection,
                  LineSuppressions* suppressions) {
    std::erase_if(findings, [&](const VariantFinding& finding) {
        return !selection.IsSelected(finding.Id) ||
               (suppressions && suppressions->Silences(finding.Line, finding.Id));
    });
}

} // namespace kvf
