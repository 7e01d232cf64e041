// The stores of the value rules: how the fields of the input form become the value parts
// and the Value that the text view writes back.

#include "catalogue/FormValues.h"

#include "core/CDbEntry.h"

namespace kvf {
namespace {

const std::string kQuote = "\"";

void CopyValues(const FormValues& values, CDbEntry& entry, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        entry.m_Ready[i] = values[i];
}

} // namespace

void StoreNoValue(const FormValues&, CDbEntry&) {}

void StorePlainValue(const FormValues& values, CDbEntry& entry) {
    CopyValues(values, entry, 1);
    entry.Value = "=" + entry.m_Ready[0];
}

void StoreQuotedValue(const FormValues& values, CDbEntry& entry) {
    CopyValues(values, entry, 1);
    entry.Value = "=" + kQuote + entry.m_Ready[0] + kQuote;
}

void StoreModule(const FormValues& values, CDbEntry& entry) {
    CopyValues(values, entry, 2);
    const auto& parts = entry.m_Ready;
    entry.Value = "=" + kQuote + parts[0] + kQuote + " " + parts[1];
}

void StoreBitArea(const FormValues& values, CDbEntry& entry) {
    CopyValues(values, entry, 2);
    entry.Value = "=" + entry.m_Ready[0] + "-" + entry.m_Ready[1];
}

void StoreIndexedValue(const FormValues& values, CDbEntry& entry) {
    CopyValues(values, entry, 2);
    entry.Value = "(" + entry.m_Ready[0] + ")=" + entry.m_Ready[1];
}

void StoreIndexedText(const FormValues& values, CDbEntry& entry) {
    CopyValues(values, entry, 2);
    entry.Value = "(" + entry.m_Ready[0] + ")=" + kQuote + entry.m_Ready[1] + kQuote;
}

void StoreNumberName(const FormValues& values, CDbEntry& entry) {
    CopyValues(values, entry, 2);
    entry.Value = "=" + entry.m_Ready[0] + " " + kQuote + entry.m_Ready[1] + kQuote;
}

void StoreDataTypeLine(const FormValues& values, CDbEntry& entry) {
    CopyValues(values, entry, 2);
    auto& parts = entry.m_Ready;
    parts[2].clear();
    parts[3].clear();
    entry.Value = " " + parts[0] + " " + parts[1];
    entry.Key = values[3];
}

void StoreBitLine(const FormValues& values, CDbEntry& entry) {
    CopyValues(values, entry, 3);
    auto& parts = entry.m_Ready;
    parts[3].clear();
    entry.Value = "(" + parts[0] + ") " + parts[1] + " " + parts[2];
    entry.Key = values[3];
}

void StoreBitAreaLine(const FormValues& values, CDbEntry& entry) {
    // The area field holds "first-last"; the parts are those classification reads.
    auto& parts = entry.m_Ready;
    std::size_t dash = values[0].find('-');
    parts[0] = values[0].substr(0, dash);
    parts[1] = dash == std::string::npos ? std::string() : values[0].substr(dash + 1);
    parts[2] = values[1];
    parts[3] = values[2];
    entry.Value = "(" + values[0] + ") " + values[1] + " " + values[2];
    entry.Key = values[3];
}

void StoreSlot(const FormValues& values, CDbEntry& entry) {
    auto& parts = entry.m_Ready;
    parts[0] = values[0];
    parts[1] = values[3];
    parts[2] = values[1];
    parts[3] = values[2];
    entry.Value =
        "(" + parts[0] + ") = " + kQuote + parts[1] + kQuote + " " + parts[2] + " " + parts[3];
}

} // namespace kvf
