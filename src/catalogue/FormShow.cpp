// The shows of the value rules: which value parts fill which fields of the input form.

#include "catalogue/FormValues.h"

#include "core/CDbEntry.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"

namespace kvf {
namespace {

void CopyParts(FormValues& values, const CDbEntry& entry, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        values[i] = entry.m_Ready[i];
}

} // namespace

void ShowNoValue(FormValues&, const CDbEntry&, std::string_view) {}

void ShowFirstPart(FormValues& values, const CDbEntry& entry, std::string_view) {
    CopyParts(values, entry, 1);
}

void ShowTwoParts(FormValues& values, const CDbEntry& entry, std::string_view) {
    CopyParts(values, entry, 2);
}

void ShowModule(FormValues& values, const CDbEntry& entry, std::string_view) {
    CopyParts(values, entry, 2);
    values[2] = std::string(MessageText(caption::ConfigString));
}

void ShowDataTypeLine(FormValues& values, const CDbEntry& entry, std::string_view key) {
    CopyParts(values, entry, 2);
    values[3] = key; // the data type name as written
}

void ShowBitLine(FormValues& values, const CDbEntry& entry, std::string_view key) {
    CopyParts(values, entry, 3);
    values[3] = key;
}

void ShowBitAreaLine(FormValues& values, const CDbEntry& entry, std::string_view key) {
    // A bit area shows as it is written, "first-last", so that its four parts fit the three
    // fields and come back unchanged from a store.
    const auto& parts = entry.m_Ready;
    values[0] = parts[1].empty() ? std::string(parts[0]) : parts[0] + "-" + parts[1];
    values[1] = parts[2];
    values[2] = parts[3];
    values[3] = key;
}

void ShowSlot(FormValues& values, const CDbEntry& entry, std::string_view) {
    // The slot form shows the name in its last field.
    const auto& parts = entry.m_Ready;
    values[0] = parts[0];
    values[3] = parts[1];
    values[1] = parts[2];
    values[2] = parts[3];
}

} // namespace kvf
