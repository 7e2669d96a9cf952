// Loading the built-in skin: unpacking its package and building the model.
// The reference is zlib alone inflating the same package's streams, measured
// in the same run, so the ratios say what the reader and the model add.
// Also a hostile options file that names the built-in master bitmap 1500
// times: with each picture decoded once it costs about one skin load.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/FileSystem.h"
#include "base/MemoryStream.h"
#include "skin/data/IniText.h"
#include "skin/data/SkinFileSource.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/PackagedSkin.h"
#include "skin/data/SkinConvertor.h"

namespace {

using pakmole::TMemoryStream;

const std::string kPackagePath = std::string(PAKMOLE_SOURCE_DIR) + "/build/skin/Emberline.vlz";
const std::string kManyRefsPath =
    std::string(PAKMOLE_SOURCE_DIR) + "/../shared/hostile/master-bmp-1500-refs.Options.dat";

std::vector<unsigned char>& PackageBytes() {
    static std::vector<unsigned char> bytes = [] {
        TMemoryStream file;
        if (pakmole::FileExists(kPackagePath)) file.LoadFromFile(kPackagePath);
        return std::vector<unsigned char>(file.Bytes().begin(), file.Bytes().end());
    }();
    return bytes;
}

bool HavePackage(benchmark::State& state) {
    if (!PackageBytes().empty()) return true;
    state.SkipWithError(("no package at " + kPackagePath + "; build the native tree first").c_str());
    return false;
}

int32_t Int32At(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24);
}

// zlib alone: walks the package and inflates each entry into a buffer of its size.
void BM_ReferenceZlibInflate(benchmark::State& state) {
    if (!HavePackage(state)) return;
    const auto& b = PackageBytes();
    std::vector<unsigned char> out;
    for (auto _ : state) {
        std::size_t pos = 8;
        for (int32_t i = 0, n = Int32At(b, 4); i < n; ++i) {
            pos += 4 + static_cast<std::size_t>(Int32At(b, pos));
            out.resize(static_cast<std::size_t>(Int32At(b, pos)));
            pos += 4;
            z_stream z{};
            inflateInit(&z);
            z.next_in = const_cast<unsigned char*>(b.data() + pos);
            z.avail_in = static_cast<uInt>(b.size() - pos);
            z.next_out = out.data();
            z.avail_out = static_cast<uInt>(out.size());
            inflate(&z, Z_FINISH);
            pos += z.total_in;
            inflateEnd(&z);
            benchmark::DoNotOptimize(out.data());
        }
    }
}

void BM_UnpackPackage(benchmark::State& state) {
    if (!HavePackage(state)) return;
    TMemoryStream source{PackageBytes()};
    for (auto _ : state) {
        auto convertor = std::make_unique<pakmole::TvlSkinConvertor>();
        convertor->SetSourceData(&source);
        pakmole::TvlSkinConvertor::Unpack(convertor);
        benchmark::DoNotOptimize(convertor.get());
    }
}

void BM_LoadSkin(benchmark::State& state) {
    if (!HavePackage(state)) return;
    TMemoryStream source{PackageBytes()};
    for (auto _ : state) {
        pakmole::TsSkinModel model;
        pakmole::LoadPackagedSkin(model, source, {});
        benchmark::DoNotOptimize(model.Sections.data());
    }
}

// The hostile options with the built-in package's pictures.
void BM_LoadMasterNamed1500Times(benchmark::State& state) {
    if (!HavePackage(state)) return;
    TMemoryStream options;
    if (!pakmole::FileExists(kManyRefsPath)) {
        state.SkipWithError(("no options at " + kManyRefsPath).c_str());
        return;
    }
    options.LoadFromFile(kManyRefsPath);
    const pakmole::TIniText ini(std::string(options.Bytes().begin(), options.Bytes().end()));
    TMemoryStream source{PackageBytes()};
    auto convertor = std::make_unique<pakmole::TvlSkinConvertor>();
    convertor->SetSourceData(&source);
    pakmole::TvlSkinConvertor::Unpack(convertor);
    const pakmole::TPackageFileSource files(*convertor);
    for (auto _ : state) {
        pakmole::TsSkinModel model;
        pakmole::LoadSkinModel(model, ini, files, {});
        benchmark::DoNotOptimize(model.Masks.data());
    }
}

BENCHMARK(BM_ReferenceZlibInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpackPackage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSkin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMasterNamed1500Times)->Unit(benchmark::kMillisecond);

// Prints each result's time as a ratio of the reference's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto ref = times_.find("BM_ReferenceZlibInflate");
        if (ref == times_.end() || ref->second <= 0) return;
        std::printf("\nRatios to zlib alone (target: BM_LoadSkin under 20 ms):\n");
        for (const auto& [name, time] : times_)
            std::printf("  %-26s %8.3f ms  x%.2f\n", name.c_str(), time, time / ref->second);
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
