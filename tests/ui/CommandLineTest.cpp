// Splitting the command line into the program's arguments.
#include <gtest/gtest.h>

#include "ui/CommandLine.h"

namespace pakmole {
namespace {

TEST(CommandLineTest, SplitsAtBlanksAndRemovesQuotes) {
    struct Case {
        const char* line;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"", {}},
        {"prog.exe", {"prog.exe"}},
        {"  prog.exe   a.pak  ", {"prog.exe", "a.pak"}},
        {"\"C:\\My Games\\prog.exe\" \"C:\\My Paks\\a b.pak\"", {"C:\\My Games\\prog.exe", "C:\\My Paks\\a b.pak"}},
        {"prog -filelist C:\\a.pak extra", {"prog", "-filelist", "C:\\a.pak", "extra"}},
        {"prog x\"y z\"w", {"prog", "xy zw"}},
        {"prog \"\"", {"prog", ""}},
        {"prog\t-FILELIST\ta.pak", {"prog", "-FILELIST", "a.pak"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.items) << c.line;
}

}  // namespace
}  // namespace pakmole
