// The least work an extraction needs, on one core: read each entry's bytes,
// inflate every block with zlib in memory, write each entry in one piece.
// It takes its entries from the manifest of make_big_pak.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: reference_extract <pak> <manifest> <output folder>\n");
        return 2;
    }
    const int pak = ::open(argv[1], O_RDONLY);
    if (pak < 0) return 2;
    std::ifstream manifest(argv[2]);
    const std::filesystem::path out = argv[3];
    std::vector<unsigned char> packed, data;
    std::string line;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        char kind;
        std::string name;
        long long size;
        fields >> kind >> name >> size;
        data.resize(static_cast<std::size_t>(size));
        if (kind == 'S') {
            long long start;
            fields >> start;
            if (::pread(pak, data.data(), data.size(), start) != static_cast<ssize_t>(data.size())) return 1;
        } else {
            int blocks;
            fields >> blocks;
            std::size_t used = 0;
            for (int b = 0; b < blocks; ++b) {
                long long start, end;
                fields >> start >> end;
                packed.resize(static_cast<std::size_t>(end - start));
                if (::pread(pak, packed.data(), packed.size(), start) != static_cast<ssize_t>(packed.size())) return 1;
                uLongf length = static_cast<uLongf>(data.size() - used);
                if (uncompress(data.data() + used, &length, packed.data(), static_cast<uLong>(packed.size())) != Z_OK)
                    return 1;
                used += length;
            }
        }
        const std::filesystem::path path = out / name;
        std::filesystem::create_directories(path.parent_path());
        const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (file < 0) return 1;
        // One write() call stops short of 2 GiB.
        for (std::size_t done = 0; done < data.size();) {
            const ssize_t put = ::write(file, data.data() + done, data.size() - done);
            if (put <= 0) return 1;
            done += static_cast<std::size_t>(put);
        }
        ::close(file);
    }
    ::close(pak);
    return 0;
}
