#pragma once
// Reads the global data and the section records of a skin from its options.
// Keys missing from a section (or holding the absent marker: -1 for numbers,
// "?" for texts) are taken from the section named by its "PARENTCLASS", and so
// on up the chain; values found in an ancestor go through colour resolution.
#include <string>

#include "skin/data/GeneralData.h"
#include "skin/data/IniText.h"
#include "skin/data/SkinData.h"

namespace pakmole {

class SystemColors;

class TsSectionReader {
public:
    TsSectionReader(const TIniText& options, const SystemColors& colors) : options_(options), colors_(colors) {}

    // The "GLOBALINFO" keys. Strict keys that are not numbers fail the load.
    void ReadGlobalData(TsSkinData& data, int sizingFrameWidth) const;
    // One section record; gradients are parsed and the state records filled.
    TsGeneralData ReadSection(const std::string& name) const;

    int32_t ReadInheritedInteger(const std::string& section, const std::string& key, int32_t fallback) const;
    std::string ReadInheritedText(const std::string& section, const std::string& key,
                                  const std::string& fallback) const;
    bool ReadInheritedBool(const std::string& section, const std::string& key, const std::string& fallback) const;

private:
    const TIniText& options_;
    const SystemColors& colors_;
};

// Fills the state records from the section's fields: Props[0] from the
// normal ones, Props[1] from the hot ones or as a copy of Props[0] when the
// section has a single state. Also parses both gradients, and brings counts,
// percents and sizes into their ranges (a state count of at least 1, percents
// 0 to 100), so nothing that paints the section meets a number out of range.
void CompleteSection(TsGeneralData& section);

bool SkinBoolean(const std::string& text);

}  // namespace pakmole
