// Writes the bundled sample pak: a few folders, stored and multi-block zlib
// entries, an empty file, a name stored with 16-bit characters, mount point
// "../../../". Deterministic: the same bytes on every run.
#include <cstdint>
#include <cstdio>
#include <string>

#include "tests/support/PakBuilder.h"

namespace {

// Text-like bytes compress well, noise does not; real assets mix both.
std::string MixedData(std::size_t size, uint32_t seed, int noisePercent) {
    static const char* const words[] = {"Ember ", "Mole ", "Tunnel ", "Lantern ", "Paks ", "Content\r\n"};
    std::string data;
    data.reserve(size);
    uint32_t state = seed;
    auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    while (data.size() < size) {
        if (static_cast<int>(next() % 100) < noisePercent)
            data += static_cast<char>(next() >> 24);
        else
            data += words[(next() >> 16) % 6];
    }
    data.resize(size);
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: samplepak <output.pak>\n");
        return 2;
    }
    using pakmole::test::PakBuilderEntry;
    pakmole::test::PakBuilder pak;
    pak.MountPoint("../../../");
    pak.Stored("MyGame/Config/DefaultGame.ini",
               "[/Script/EngineSettings.GeneralProjectSettings]\r\nProjectName=Ember Mole\r\n"
               "CompanyName=Pakmole sample\r\n");
    pak.Compressed("MyGame/Content/Textures/T_Ember.uasset", MixedData(150000, 7, 30), 64 * 1024);
    pak.Compressed("MyGame/Content/Sounds/S_Crackle.uexp", MixedData(20000, 11, 5));
    pak.Stored("MyGame/Content/Maps/Start.umap", MixedData(3000, 3, 50));
    pak.Stored("MyGame/Content/Empty.txt", "");
    PakBuilderEntry wide;
    wide.wideName = u"MyGame/Content/Localization/Gr\u00fc\u00dfe.txt";
    wide.data = "Gr\xfc\xdf" "e aus dem Bau!\r\n";
    pak.Add(wide);
    pak.WriteTo(argv[1]);
    return 0;
}
