#pragma once
// Where the game's Oodle library is found for a pak: the one given
// (--oodle PATH), else beside the game the pak belongs to. A pak in
// <game>/Content/Paks (or a folder below it) has its game's libraries in
// <game>/Binaries/<platform>/ and <game>/../Engine/Binaries/ThirdParty/Oodle/<platform>/.
#include <memory>
#include <string>
#include <vector>

#include "OodleLibrary.h"
#include "PakIndex.h"

namespace pakmole {

struct OodleSearch {
    std::unique_ptr<OodleLibrary> library;
    // When none was loaded: why, and where one was looked for, as the
    // failing entries say it.
    std::string unavailable;
};

// The folders looked in for the pak at pakPath (host paths, ending with
// their delimiter); none when the pak is not in a Content/Paks folder.
std::vector<std::string> OodleFolders(const std::string& pakPath);

// Loads the library given (when not empty) or the first usable one found in
// OodleFolders(pakPath). Never raises: what went wrong is in unavailable.
OodleSearch FindOodleLibrary(const std::string& pakPath, const std::string& given);

// Whether any entry of the index is compressed with Oodle.
bool UsesOodle(const PakIndex& index);

}  // namespace pakmole
