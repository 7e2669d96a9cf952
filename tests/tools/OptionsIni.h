#pragma once
// An options text as the skin loader reads it (through its own INI reader),
// in file order. Fails with std::runtime_error when the text repeats a
// section or a key, which the loader would silently merge or drop.
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
