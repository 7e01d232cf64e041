#include "catalogue/SettingsStore.h"

#include <cstdlib>

namespace kvf {

int MemorySettingsStore::GetInt(const std::string& section, const std::string& name,
                                int defaultValue) const {
    auto it = values_.find({section, name});
    if (it == values_.end())
        return defaultValue;
    return static_cast<int>(std::strtol(it->second.c_str(), nullptr, 10));
}

void MemorySettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
    values_[{section, name}] = std::to_string(value);
}

std::string MemorySettingsStore::GetString(const std::string& section, const std::string& name,
                                           const std::string& defaultValue) const {
    auto it = values_.find({section, name});
    return it == values_.end() ? defaultValue : it->second;
}

void MemorySettingsStore::SetString(const std::string& section, const std::string& name,
                                    const std::string& value) {
    values_[{section, name}] = value;
}

} // namespace kvf
