#pragma once
// Paks with Oodle entries in the format of the tests' stand-in Oodle library
// (OodleStandIn.cpp): "OOSI", then (count, byte) runs. Not Oodle data: only
// the stand-in decodes them.
#include <string>

#include "PakBuilder.h"

namespace pakmole::test {

// The stand-in library as the build left it (a host path), and its file
// name, which is the one a game ships the real library by.
std::string OodleStandInPath();
std::string OodleStandInName();

std::string OodleStandInEncode(const std::string& data);

// An entry of blockSize blocks encoded for the stand-in, with the method
// slot that names "Oodle" in the footer.
PakBuilderEntry OodleStandInEntry(const std::string& name, const std::string& data, std::size_t blockSize = 65536,
                                  int32_t slot = 1);

}  // namespace pakmole::test
