#include "tests/tools/OptionsIni.h"

namespace pakmole::test {

namespace {
std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
    return s.substr(b, e - b);
}
}  // namespace

OptionsIni::OptionsIni(const std::string& text) {
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trim(text.substr(pos, end - pos));
        pos = end + (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            sections_.push_back({Trim(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        if (sections_.empty()) continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            sections_.back().keys.emplace_back(line, "");
        else
            sections_.back().keys.emplace_back(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
    }
}

const IniSection* OptionsIni::Find(const std::string& section) const {
    for (const auto& s : sections_)
        if (s.name == section) return &s;
    return nullptr;
}

std::optional<std::string> OptionsIni::Value(const std::string& section, const std::string& key) const {
    const IniSection* s = Find(section);
    if (!s) return std::nullopt;
    for (const auto& [k, v] : s->keys)
        if (k == key) return v;
    return std::nullopt;
}

}  // namespace pakmole::test
