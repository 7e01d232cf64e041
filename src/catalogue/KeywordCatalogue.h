#pragma once

#include "catalogue/NumberWidth.h"
#include "core/InputForm.h"
#include "core/MessageIds.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kvf {

// How a row's value is split, shown, stored and checked: one row of the value-rule table
// (ValueRuleTable) each.
enum class ValueRule {
    Boolean,
    Unsigned8,
    Unsigned16,
    Unsigned32,
    VisibleString, // a quoted string of at most MaxLength characters
    FileName,      // Visible-String (8) plus the file-name character rule
    NoValue,       // block keywords: the keyword alone
    OctetList,     // (P)
    OffsetOctets,  // (O) the *_CONST rows
    TwoNumbers,    // (R) (a)=b
    BitArea,       // (A) a-b
    IndexText,     // (T) (n)="text"
    NumberName,    // (N) EXTUSERPRMDATA
    Module,        // (M)
    Slot,          // (S)
    FamilyList,    // (F)
    ReferenceLine, // (Q) Module_Reference
    DataTypeLine,  // (D) UNSIGNED8 ... SIGNED32
    BitLine,       // (D) BIT
    BitAreaLine,   // (D) BITAREA
};

// One keyword of a catalogue row. Rows that share several keywords give each its own help
// id and glossary topic, and where the value rules say so its own range text, maximum
// length, type word or widths.
struct CatalogueKeyword {
    std::string_view Name;      // the exact form of the format
    int HelpId;                 // string-table id of the help text
    std::string_view Topic;     // glossary page and anchor: "page.htm#Anchor"
    std::string_view RangeText; // range text of the range rule; empty when none
    std::string_view TypeWord;  // type word of message 134 ("Number", "Unsigned8", ...)
    NumberWidth Width;          // number-rule width of the (first) number; {} when none
    NumberWidth Width2;         // width of the second number of (R) rows; {} when none
    int MaxLength;              // maximum length of the string part; 0 when none
    int OwnCaption = 0;         // caption slot 0 where it differs from the row's; 0 for none
};

struct CatalogueRow {
    unsigned Group;     // PARENT_* value; PARENT_SLAVE for the MODULE/SLAVE rows
    bool ModuleOrSlave; // MODULE inside a block, SLAVE outside
    int Type;           // entry type code
    bool BlockBegin;    // the row opens a block (module flag 32)
    InputForm Form;     // FormKind of actions 0 and 2
    ValueRule Rule;     // split, show, store and check of actions 1, 0, 2 and 3
    // Captions loaded into caption slots 0..3 on action 0: string-table ids, 0 for none.
    std::array<int, 4> Captions;
    // Block rows: for an end row the begin keyword it closes; for a nested begin row the
    // keyword of the block it nests in. Empty otherwise.
    std::string_view BlockPartner;
    std::span<const CatalogueKeyword> Keywords;
};

// A tree group name, matched like a keyword but standing for a node of the tree.
struct GroupName {
    std::string_view Name;
    std::string_view Page;
};

struct CatalogueMatch {
    const CatalogueRow* Row = nullptr;
    const CatalogueKeyword* Keyword = nullptr;
    explicit operator bool() const { return Row != nullptr; }

    // The captions of action 0 for the matched keyword: the row's, with the keyword's own
    // caption in slot 0 where it has one.
    std::array<int, 4> Captions() const {
        std::array<int, 4> captions = Row->Captions;
        if (Keyword->OwnCaption != 0)
            captions[0] = Keyword->OwnCaption;
        return captions;
    }
};

// What a key names: a tree group, a keyword, or (rarely) both; neither when unknown.
struct CatalogueEntry {
    const GroupName* Group = nullptr;
    CatalogueMatch Keyword;
};

// The built-in knowledge of every keyword. Lookup ignores ASCII case and is exact.
class KeywordCatalogue {
  public:
    static const KeywordCatalogue& Instance();

    const GroupName* FindGroupName(std::string_view key) const;
    CatalogueMatch Find(std::string_view key) const;
    // Both at once.
    CatalogueEntry Lookup(std::string_view key) const;

    // The same in two steps: a small number for what the key names, which a caller can
    // keep in two bytes, and the entry of such a number. kUnknownName for a key the
    // catalogue does not know, whose entry is empty.
    static constexpr std::uint16_t kUnknownName = 0xFFFF;
    std::uint16_t NameCode(std::string_view key) const;
    CatalogueEntry EntryOf(std::uint16_t code) const;

    std::span<const CatalogueRow> Rows() const;
    std::span<const GroupName> GroupNames() const;
    std::size_t KeywordCount() const;

  private:
    KeywordCatalogue();
    struct Index;
    const Index* index_;
};

} // namespace kvf
