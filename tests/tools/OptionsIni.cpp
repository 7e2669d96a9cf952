#include "tests/tools/OptionsIni.h"

#include <stdexcept>
#include <string_view>

#include "skin/data/IniText.h"

namespace pakmole::test {

namespace {

// How many header lines and key lines the text holds before any merging.
struct LineTally {
    std::size_t headers = 0;
    std::size_t keys = 0;
};

LineTally Tally(std::string_view text) {
    LineTally tally;
    bool inSection = false;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = TrimControl(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            ++tally.headers;
            inSection = true;
        } else if (inSection) {
            ++tally.keys;
        }
    }
    return tally;
}

}  // namespace

OptionsIni::OptionsIni(const std::string& text) {
    // Read by the program's own reader, so the tests see what the loader sees.
    const TIniText ini(text);
    std::size_t keys = 0;
    for (const TIniText::Section& section : ini.Sections()) {
        IniSection copy{section.Name, {}};
        for (const TIniText::Entry& entry : section.Entries) copy.keys.emplace_back(entry.Key, entry.Value);
        keys += copy.keys.size();
        sections_.push_back(std::move(copy));
    }
    // The reader keeps only the first of a repeated section or key; a skin
    // that repeats one would hide the later text from every check here.
    const LineTally tally = Tally(text);
    if (tally.headers != sections_.size()) throw std::runtime_error("the options text repeats a section");
    if (tally.keys != keys) throw std::runtime_error("the options text repeats a key within a section");
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
