// Writes a large pak for the extraction benchmark, and a manifest that lets
// the reference extractor find every entry's data without reading the index:
//   S <name> <size> <data start>
//   C <name> <size> <block count> <start> <end> ...
// Shapes: "mixed" (default), entries from a few KB to tens of MB, some
// stored; "small", thousands of entries of 4 to 64 KB; "huge", one entry.
// Mixed compressibility, 64 KiB zlib blocks.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/support/PakBuilder.h"

namespace {

uint32_t state = 20261210;
uint32_t Next() { return state = state * 1664525u + 1013904223u; }

// Runs of words (compress well), noise (not at all) and zeros.
std::string Content(std::size_t size) {
    static const char* const words[] = {"Texture ", "Mesh ", "Material ", "Blueprint ", "Level ", "\r\n"};
    std::string data;
    data.reserve(size);
    while (data.size() < size) {
        const std::size_t run = 256 + Next() % 8192;
        switch (Next() % 4) {
            case 0:
            case 1: {
                const std::size_t end = std::min(size, data.size() + run);
                while (data.size() < end) data += words[Next() % 6];
                break;
            }
            case 2:
                for (std::size_t i = 0; i < run && data.size() < size; ++i) data += static_cast<char>(Next() >> 24);
                break;
            default:
                data.append(std::min(run, size - data.size()), '\0');
        }
    }
    data.resize(size);
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: make_big_pak <out.pak> <out.manifest> [megabytes, default 300] [mixed|small|huge]\n");
        return 2;
    }
    const double target = (argc > 3 ? std::atof(argv[3]) : 300.0) * 1024 * 1024;
    const std::string shape = argc > 4 ? argv[4] : "mixed";
    pakmole::test::PakBuilder builder;
    builder.MountPoint("../../../");
    double total = 0;
    for (int i = 0; total < target; ++i) {
        // Sizes spread over 4 KB .. 40 MB, most of them small.
        const double exponent = static_cast<double>(Next() % 1000) / 1000.0;
        std::size_t size = static_cast<std::size_t>(4096.0 * std::pow(10000.0, exponent * exponent));
        if (shape == "small") size = 4096 + Next() % (60 * 1024);
        if (shape == "huge") size = static_cast<std::size_t>(target);
        size = std::min<std::size_t>(size, static_cast<std::size_t>(target - total) + 4096);
        const std::string name = "Bench/Content/Folder" + std::to_string(i % 17) + "/Asset" + std::to_string(i) + ".uasset";
        if (shape == "mixed" && Next() % 5 == 0)
            builder.Stored(name, Content(size));
        else
            builder.Compressed(name, Content(size), 64 * 1024);
        total += static_cast<double>(size);
    }
    const std::string pak = builder.Build();
    std::ofstream(argv[1], std::ios::binary).write(pak.data(), static_cast<std::streamsize>(pak.size()));

    // The manifest, read back from the pak's own entry headers.
    std::ofstream manifest(argv[2]);
    auto int64At = [&pak](std::size_t at) {
        uint64_t v = 0;
        for (int b = 7; b >= 0; --b) v = (v << 8) | static_cast<unsigned char>(pak[at + b]);
        return static_cast<int64_t>(v);
    };
    auto int32At = [&pak](std::size_t at) {
        uint32_t v = 0;
        for (int b = 3; b >= 0; --b) v = (v << 8) | static_cast<unsigned char>(pak[at + b]);
        return static_cast<int32_t>(v);
    };
    std::size_t at = 0;
    const auto indexOffset = static_cast<std::size_t>(int64At(pak.size() - 36));
    int n = 0;
    while (at < indexOffset) {
        const int64_t stored = int64At(at + 8);
        const int64_t inflated = int64At(at + 16);
        const int32_t blocks = int32At(at + 48);
        const std::string name = "Bench/Content/Folder" + std::to_string(n % 17) + "/Asset" + std::to_string(n) + ".uasset";
        if (blocks == 0) {
            manifest << "S " << name << ' ' << inflated << ' ' << at + 53 << '\n';
            at += 53 + static_cast<std::size_t>(stored);
        } else {
            manifest << "C " << name << ' ' << inflated << ' ' << blocks;
            for (int32_t b = 0; b < blocks; ++b)
                manifest << ' ' << int64At(at + 52 + 16 * b) << ' ' << int64At(at + 60 + 16 * b);
            manifest << '\n';
            at += 52 + 16 * static_cast<std::size_t>(blocks) + 5 + static_cast<std::size_t>(stored);
        }
        ++n;
    }
    std::printf("%d entries, %.0f MB of output, pak of %.0f MB\n", n, total / 1048576.0,
                static_cast<double>(pak.size()) / 1048576.0);
    return 0;
}
