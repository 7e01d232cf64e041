#include "core/SettingsStore.h"

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

int OverlaySettingsStore::GetInt(const std::string& section, const std::string& name,
                                 int defaultValue) const {
    if (overlay_.Contains(section, name))
        return overlay_.GetInt(section, name, defaultValue);
    return base_->GetInt(section, name, defaultValue);
}

void OverlaySettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
    overlay_.SetInt(section, name, value);
}

std::string OverlaySettingsStore::GetString(const std::string& section, const std::string& name,
                                            const std::string& defaultValue) const {
    if (overlay_.Contains(section, name))
        return overlay_.GetString(section, name, defaultValue);
    return base_->GetString(section, name, defaultValue);
}

void OverlaySettingsStore::SetString(const std::string& section, const std::string& name,
                                     const std::string& value) {
    overlay_.SetString(section, name, value);
}

} // namespace kvf
