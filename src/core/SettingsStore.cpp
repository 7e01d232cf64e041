#include "core/SettingsStore.h"

#include <algorithm>
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

void MemorySettingsStore::Remove(const std::string& section, const std::string& name) {
    values_.erase({section, name});
}

std::vector<std::string> MemorySettingsStore::Names(const std::string& section) const {
    std::vector<std::string> names;
    for (auto it = values_.lower_bound({section, std::string()});
         it != values_.end() && it->first.first == section; ++it)
        names.push_back(it->first.second);
    return names;
}

int OverlaySettingsStore::GetInt(const std::string& section, const std::string& name,
                                 int defaultValue) const {
    if (IsRemoved(section, name))
        return defaultValue;
    if (overlay_.Contains(section, name))
        return overlay_.GetInt(section, name, defaultValue);
    return base_->GetInt(section, name, defaultValue);
}

void OverlaySettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
    removed_.erase({section, name});
    overlay_.SetInt(section, name, value);
}

std::string OverlaySettingsStore::GetString(const std::string& section, const std::string& name,
                                            const std::string& defaultValue) const {
    if (IsRemoved(section, name))
        return defaultValue;
    if (overlay_.Contains(section, name))
        return overlay_.GetString(section, name, defaultValue);
    return base_->GetString(section, name, defaultValue);
}

void OverlaySettingsStore::SetString(const std::string& section, const std::string& name,
                                     const std::string& value) {
    removed_.erase({section, name});
    overlay_.SetString(section, name, value);
}

void OverlaySettingsStore::Remove(const std::string& section, const std::string& name) {
    overlay_.Remove(section, name);
    removed_.insert({section, name});
}

std::vector<std::string> OverlaySettingsStore::Names(const std::string& section) const {
    std::vector<std::string> names = base_->Names(section);
    for (std::string& name : overlay_.Names(section))
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    std::erase_if(names, [&](const std::string& name) { return IsRemoved(section, name); });
    return names;
}

} // namespace kvf
