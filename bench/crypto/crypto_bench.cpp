// Decrypting and hashing pak data. The reference is memcpy of a buffer of the same
// size, measured in the same run: the ratios say how many copies of the data each
// costs. 16 bytes shows the cost of one call, 64 KiB is a typical compressed block,
// 4 MiB a large stored entry or index.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/Aes256Ecb.h"
#include "base/AesKey.h"
#include "base/Sha1.h"
#include "bench/support/RatioReporter.h"

namespace pakmole {
namespace {

constexpr int64_t kSizes[] = {16, 64 << 10, 4 << 20};

std::vector<uint8_t> Data(int64_t size) {
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    uint32_t state = 1;
    for (auto& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(state >> 24);
    }
    return bytes;
}

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_ReferenceMemcpy(benchmark::State& state) {
    const std::vector<uint8_t> from = Data(state.range(0));
    std::vector<uint8_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}

void BM_Aes256EcbDecrypt(benchmark::State& state) {
    const Aes256EcbDecryptor aes(ParseAesKey("lNJbw660IOC+kU7cnVQ1oeqrXyhk4J6UAZrCBbcnp94="));
    std::vector<uint8_t> data = Data(state.range(0));
    for (auto _ : state) {
        aes.Decrypt(data.data(), data.size());
        benchmark::DoNotOptimize(data.data());
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}

void BM_Sha1(benchmark::State& state) {
    const std::vector<uint8_t> data = Data(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(Sha1(data.data(), data.size()));
    SetBytes(state);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int64_t size : kSizes) b->Arg(size);
}

BENCHMARK(BM_ReferenceMemcpy)->Apply(Sizes);
BENCHMARK(BM_Aes256EcbDecrypt)->Apply(Sizes);
BENCHMARK(BM_Sha1)->Apply(Sizes);

std::vector<std::pair<std::string, std::string>> Ratios() {
    std::vector<std::pair<std::string, std::string>> ratios;
    for (const char* measured : {"BM_Aes256EcbDecrypt", "BM_Sha1"})
        for (int64_t size : kSizes) {
            const std::string arg = "/" + std::to_string(size);
            ratios.emplace_back(measured + arg, "BM_ReferenceMemcpy" + arg);
        }
    return ratios;
}

}  // namespace
}  // namespace pakmole

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    pakmole::bench::RatioReporter reporter("Time as a multiple of memcpy of the same bytes:", pakmole::Ratios());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
