#pragma once
// INI text held in memory, as skins write it. Lines end at CR, LF or CR LF and
// are trimmed of characters up to code 32; empty lines and lines starting with
// ";" are skipped, as is anything before the first section. "[name]" opens a
// section; other lines split at their first "=" into key and value (a line
// without "=" is a key without value). Names are matched case-sensitively
// unless asked otherwise, and the first occurrence of a section or a key wins:
// a repeated section header continues the first section of that name.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace pakmole {

class TIniText {
public:
    struct Entry {
        std::string Key;
        std::string Value;
    };
    struct Section {
        std::string Name;
        std::vector<Entry> Entries;  // first occurrence of each key, in file order
    };

    TIniText() = default;
    // caseSensitive false matches section and key names without regard to
    // case; trimValues false keeps the characters around a value.
    explicit TIniText(std::string_view text, bool caseSensitive = true, bool trimValues = true);

    const std::vector<Section>& Sections() const { return sections_; }
    const Section* FindSection(std::string_view name) const;
    bool SectionExists(std::string_view name) const { return FindSection(name) != nullptr; }

    // The value of a key, absent when the section or key is missing. A key
    // present with an empty value yields the empty text.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Decimal or "0x" hexadecimal; a missing or unreadable value gives the fallback.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    // "." is the decimal separator whatever the locale.
    double ReadFloat(std::string_view section, std::string_view key, double fallback) const;

private:
    std::string NameKey(std::string_view name) const;

    bool caseSensitive_ = true;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;
    std::vector<std::unordered_map<std::string, std::size_t>> keyIndex_;
};

// Trims characters with codes up to 32 from both ends.
std::string_view TrimControl(std::string_view text);

}  // namespace pakmole
