#pragma once
// A pak opened for looking into (info, list, verify): the index read with
// the key given, the file shared with others, nothing written.
#include <memory>
#include <optional>
#include <string>

#include "base/FileStream.h"
#include "pak/PakDecryptor.h"
#include "pak/PakIndex.h"

namespace pakmole::cli {

struct PakView {
    PakView(const std::string& path, const std::optional<AesKey>& key);

    TFileStream file;
    std::unique_ptr<PakDecryptor> decryptor;
    PakIndex index;
};

// The entry's name as UTF-8 with '/' between folders, its real characters
// where it was stored 16-bit.
std::string DisplayName(const PakEntry& entry);

// "stored", "Zlib", "Oodle", ... from the record's method.
std::string MethodName(const PakFooter& footer, const PakEntry& entry);

}  // namespace pakmole::cli
