#pragma once
// Reads an options text the way the skin loader does: lines trimmed of
// characters up to 32, ";" lines and empty lines skipped, "[name]" opens a
// section, other lines split at their first "=". Order is kept.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pakmole::test {

struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
};

class OptionsIni {
public:
    explicit OptionsIni(const std::string& text);
    const std::vector<IniSection>& Sections() const { return sections_; }
    const IniSection* Find(const std::string& section) const;
    // The first occurrence of the key, as the loader finds it.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;

private:
    std::vector<IniSection> sections_;
};

}  // namespace pakmole::test
