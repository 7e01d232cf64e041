#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kvf {

struct CDbEntry;

// The values of the input form: what action 0 shows and what action 2 writes back.
using FormValues = std::array<std::string, 4>;

// Action 0 of a value rule: the entry's value parts into the form values. `key` is the
// keyword as written (the data type lines show it as their type).
using ValueShow = void (*)(FormValues& values, const CDbEntry& entry, std::string_view key);
// Action 2 of a value rule: the form values into the value parts, and the Value (and for
// the data type lines the Key) they make.
using ValueStore = void (*)(const FormValues& values, CDbEntry& entry);

// The shows. Block keywords show nothing but their help.
void ShowNoValue(FormValues& values, const CDbEntry& entry, std::string_view key);
void ShowFirstPart(FormValues& values, const CDbEntry& entry, std::string_view key);
void ShowTwoParts(FormValues& values, const CDbEntry& entry, std::string_view key);
void ShowModule(FormValues& values, const CDbEntry& entry, std::string_view key);
void ShowDataTypeLine(FormValues& values, const CDbEntry& entry, std::string_view key);
void ShowBitLine(FormValues& values, const CDbEntry& entry, std::string_view key);
void ShowBitAreaLine(FormValues& values, const CDbEntry& entry, std::string_view key);
void ShowSlot(FormValues& values, const CDbEntry& entry, std::string_view key);

// The stores, named after the line each writes. A block keyword's store writes nothing.
void StoreNoValue(const FormValues& values, CDbEntry& entry);
void StorePlainValue(const FormValues& values, CDbEntry& entry);   // =value
void StoreQuotedValue(const FormValues& values, CDbEntry& entry);  // ="text"
void StoreModule(const FormValues& values, CDbEntry& entry);       // ="name" list
void StoreBitArea(const FormValues& values, CDbEntry& entry);      // =first-last
void StoreIndexedValue(const FormValues& values, CDbEntry& entry); // (index)=value
void StoreIndexedText(const FormValues& values, CDbEntry& entry);  // (index)="text"
void StoreNumberName(const FormValues& values, CDbEntry& entry);   // =number "name"
void StoreDataTypeLine(const FormValues& values, CDbEntry& entry); // default allowed
void StoreBitLine(const FormValues& values, CDbEntry& entry);      // (bit) default allowed
void StoreBitAreaLine(const FormValues& values, CDbEntry& entry);  // (first-last) default allowed
void StoreSlot(const FormValues& values, CDbEntry& entry);         // (n) = "name" default allowed

} // namespace kvf
