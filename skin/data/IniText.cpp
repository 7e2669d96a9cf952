#include "skin/data/IniText.h"

#include "skin/data/NumberText.h"
#include "skin/data/TextCase.h"

namespace pakmole {

std::string_view TrimControl(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
    return text.substr(begin, end - begin);
}

std::string TIniText::NameKey(std::string_view name) const {
    return caseSensitive_ ? std::string(name) : UpperCase(name);
}

TIniText::TIniText(std::string_view text, bool caseSensitive, bool trimValues) : caseSensitive_(caseSensitive) {
    std::size_t current = SIZE_MAX;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;
        if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;

        const std::string_view line = TrimControl(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string name(TrimControl(line.substr(1, line.size() - 2)));
            const auto [it, added] = sectionIndex_.emplace(NameKey(name), sections_.size());
            if (added) {
                sections_.push_back(Section{name, {}});
                keyIndex_.emplace_back();
            }
            current = it->second;
            continue;
        }
        if (current == SIZE_MAX) continue;
        const std::size_t eq = line.find('=');
        Entry entry;
        if (eq == std::string_view::npos) {
            entry.Key = std::string(line);
        } else {
            entry.Key = std::string(TrimControl(line.substr(0, eq)));
            // Values keep their inner characters; only the line's own end was trimmed
            // when values are not to be trimmed.
            const std::string_view value = raw.substr(raw.find('=') + 1);
            entry.Value = std::string(trimValues ? TrimControl(value) : value);
        }
        auto& keys = keyIndex_[current];
        if (keys.emplace(NameKey(entry.Key), sections_[current].Entries.size()).second)
            sections_[current].Entries.push_back(std::move(entry));
    }
}

const TIniText::Section* TIniText::FindSection(std::string_view name) const {
    const auto it = sectionIndex_.find(NameKey(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::string_view> TIniText::Find(std::string_view section, std::string_view key) const {
    const auto s = sectionIndex_.find(NameKey(section));
    if (s == sectionIndex_.end()) return std::nullopt;
    const auto& keys = keyIndex_[s->second];
    const auto k = keys.find(NameKey(key));
    if (k == keys.end()) return std::nullopt;
    return std::string_view(sections_[s->second].Entries[k->second].Value);
}

std::string TIniText::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
    const auto value = Find(section, key);
    return std::string(value ? *value : fallback);
}

int32_t TIniText::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const {
    const auto value = Find(section, key);
    return value ? StrToIntDef(*value, fallback) : fallback;
}

double TIniText::ReadFloat(std::string_view section, std::string_view key, double fallback) const {
    const auto value = Find(section, key);
    double result = fallback;
    if (value && TryStrToFloat(*value, result)) return result;
    return fallback;
}

}  // namespace pakmole
