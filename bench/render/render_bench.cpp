// Composing control caches with the skin renderer from the built-in skin:
// a 433 x 25 "BUTTON" in each state and the 465 x 113 "FORM" window image.
// Each case is followed by its ratio to a plain fill of the same size,
// measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "base/MemoryStream.h"
#include "skin/data/PackagedSkin.h"
#include "skin/render/Blend.h"
#include "skin/render/ControlPaint.h"

namespace pakmole {
namespace {

const TsSkinModel& Skin() {
    static const TsSkinModel* skin = [] {
        auto* model = new TsSkinModel;
        TMemoryStream package;
        package.LoadFromFile(std::string(PAKMOLE_SOURCE_DIR) + "/build/skin/Emberline.vlz");
        LoadPackagedSkin(*model, package, {});
        return model;
    }();
    return *skin;
}

TsControlPaintData ControlOf(const std::string& name) {
    const TsSkinModel& skin = Skin();
    TsControlPaintData c;
    c.Skin = &skin;
    c.SectionIndex = skin.FindSection(name);
    if (c.SectionIndex < 0) return c;
    c.FrameMaskIndex = skin.Sections[static_cast<std::size_t>(c.SectionIndex)].FrameMask;
    c.TextureIndex = skin.FindTexture(c.SectionIndex, name, "PATTERN");
    c.HotTextureIndex = skin.FindTexture(c.SectionIndex, name, "HOTPATTERN");
    return c;
}

void Compose(benchmark::State& state, const std::string& section, int width, int height, int paintState) {
    const TsControlPaintData control = ControlOf(section);
    if (control.SectionIndex < 0) {
        state.SkipWithError("section not in the skin");
        return;
    }
    TBitmap32 parent(width + 20, height + 20, 0xFF1D1D1D);
    const TBgSource bg = BgSourceOfBitmap(&parent, 10, 10);
    TBitmap32 cache(width, height);
    for (auto _ : state) {
        PaintControl(control, bg, true, cache, {0, 0}, {0, 0, width, height}, paintState);
        benchmark::DoNotOptimize(cache.Pixels().data());
    }
}

void Fill(benchmark::State& state, int width, int height) {
    TBitmap32 cache(width, height);
    for (auto _ : state) {
        FillColor(cache, {0, 0, width, height}, 0x2B2B2B);
        benchmark::DoNotOptimize(cache.Pixels().data());
    }
}

void BM_Button(benchmark::State& state) { Compose(state, "BUTTON", 433, 25, static_cast<int>(state.range(0))); }
void BM_ButtonReferenceFill(benchmark::State& state) { Fill(state, 433, 25); }
void BM_Form(benchmark::State& state) { Compose(state, "FORM", 465, 113, static_cast<int>(state.range(0))); }
void BM_FormReferenceFill(benchmark::State& state) { Fill(state, 465, 113); }

BENCHMARK(BM_ButtonReferenceFill);
BENCHMARK(BM_Button)->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_FormReferenceFill);
BENCHMARK(BM_Form)->Arg(0)->Arg(1);

// Keeps each run's time per iteration so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (!r.error_occurred && r.run_type == Run::RT_Iteration)
                times[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace
}  // namespace pakmole

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    pakmole::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& t = reporter.times;
    const auto ratio = [&](const char* name, const char* reference) {
        const auto a = t.find(name), b = t.find(reference);
        if (a != t.end() && b != t.end() && b->second > 0)
            std::printf("%-14s %8.1f x %s\n", name, a->second / b->second, reference);
    };
    std::printf("\nRatio to a plain fill of the same cache:\n");
    ratio("BM_Button/0", "BM_ButtonReferenceFill");
    ratio("BM_Button/1", "BM_ButtonReferenceFill");
    ratio("BM_Button/2", "BM_ButtonReferenceFill");
    ratio("BM_Form/0", "BM_FormReferenceFill");
    ratio("BM_Form/1", "BM_FormReferenceFill");
    benchmark::Shutdown();
    return 0;
}
