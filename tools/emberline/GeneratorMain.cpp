// emberline_gen <folder>: writes Options.dat, ButtonHuge.bmp and Master.bmp
// of the built-in skin into the folder.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "tools/emberline/SkinFiles.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: emberline_gen <output folder>\n");
        return 2;
    }
    try {
        const std::string folder = argv[1];
        for (const auto& file : pakmole::emberline::BuildEmberlineFiles()) {
            const std::string path = folder + "/" + file.name;
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(file.bytes.data()),
                      static_cast<std::streamsize>(file.bytes.size()));
            out.close();
            if (!out) {
                std::fprintf(stderr, "emberline_gen: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "emberline_gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
