// vlzpack <package> <file>...: packs the files, in the order given, into a
// skin package. Each entry is named after its file, without the folder.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "tools/skinpack/VlzWriter.h"

namespace {
std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ReadFile(const std::string& path, std::vector<unsigned char>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: vlzpack <package.vlz> <file>...\n");
        return 2;
    }
    try {
        std::vector<pakmole::tools::VlzFile> files;
        for (int i = 2; i < argc; ++i) {
            pakmole::tools::VlzFile file{BaseName(argv[i]), {}};
            if (!ReadFile(argv[i], file.bytes)) {
                std::fprintf(stderr, "vlzpack: cannot read %s\n", argv[i]);
                return 1;
            }
            files.push_back(std::move(file));
        }
        const std::vector<unsigned char> package = pakmole::tools::WriteVlz(files);
        const std::string target = argv[1];
        // Builds in several folders may pack at the same time; each writes its own
        // temporary file and the last rename wins with identical bytes.
        const std::string temporary = target + ".part" + std::to_string(getpid());
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
            out.close();
            if (!out) {
                std::fprintf(stderr, "vlzpack: cannot write %s\n", temporary.c_str());
                std::remove(temporary.c_str());
                return 1;
            }
        }
        // A half-written package must never stand where other builds take it.
        if (std::rename(temporary.c_str(), target.c_str()) != 0) {
            std::fprintf(stderr, "vlzpack: cannot replace %s\n", target.c_str());
            std::remove(temporary.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vlzpack: %s\n", e.what());
        return 1;
    }
    return 0;
}
