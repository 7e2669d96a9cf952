#pragma once
// The engine-made paks under ../shared/realpaks and what each must give:
// SHA-1 of every file, and where archive folder + mount point lands when
// the pak lies in <root>/a/b/c/.
#include <map>
#include <string>
#include <vector>

namespace pakmole::test {

extern const char kRealPakKey[];  // base64, opens every encrypted pak of repak/
extern const char kUe5PakKey[];   // base64, opens ue5/v15-ctr-encrypted-oodle.pak

struct RealPak {
    std::string file;                         // under realpaks/
    std::string outputUnderRoot;              // slash-separated
    std::map<std::string, std::string> sha1;  // entry name (slashes) -> SHA-1 of its bytes
};

// Versions 3, 4, 5, 7, 8b and 11, none encrypted.
std::vector<RealPak> PlainRealPaks();
// Every combination of versions 5, 7, 8a and 9 with compression and
// encryption (the key above), the same four files in each.
std::vector<RealPak> RepakRealPaks();
// Versions 12 (zlib) and 15 (stored, flat directory index), not encrypted.
std::vector<RealPak> Ue5RealPaks();
// Version 15 in counter mode (kUe5PakKey): its four stored entries; the
// other seven are Oodle (names in Ue5OodleEntries()).
RealPak Ue5CounterModePak();
std::vector<std::string> Ue5OodleEntries();

std::string Sha1Of(const std::string& bytes);
// A slash-separated relative path with the host's separator.
std::string HostSeparators(std::string path);

}  // namespace pakmole::test
