#pragma once
// The full directory index of versions 10 and later, which names every file
// and says where its entry is: nested (a list of directories, each with its
// files), or from version 13 on possibly flat ("QDFP": front-coded directory
// names, a blob of file names and the path hashes).
#include <cstdint>
#include <vector>

#include "ByteCursor.h"
#include "PakString.h"

namespace pakmole {

// A file's path relative to the mount point ('/'-separated) and its
// location: an offset into the encoded entries, -(n + 1) for record n, or
// INT32_MIN / INT32_MAX for no entry.
struct IndexedFile {
    PakString path;
    int32_t location = 0;
};

struct DirectoryIndex {
    bool flat = false;
    std::vector<IndexedFile> files;  // in the index's order
};

// Raises EPakFormatError on anything that does not fit.
DirectoryIndex ReadDirectoryIndex(ByteCursor& in, int32_t version);

}  // namespace pakmole
