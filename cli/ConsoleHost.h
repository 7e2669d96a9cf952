#pragma once
// Drives the pak job from a terminal: one updating progress line on stderr
// (when it is a terminal and -q was not given), blocks inflated in memory (by
// libdeflate; by zlib when the environment says PAKMOLE_INFLATER=zlib, for the
// benchmark that compares them), failures remembered for the report.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "pak/JobHost.h"
#include "pak/LibdeflateBlockInflater.h"
#include "pak/MemoryBlockInflater.h"

namespace pakmole::cli {

class ConsoleHost : public JobHost {
public:
    ConsoleHost(bool listMode, bool showProgress, unsigned workers = 1)
        : listMode_(listMode), showProgress_(showProgress), workers_(workers) {
        const char* inflater = std::getenv("PAKMOLE_INFLATER");
        zlib_ = inflater && std::strcmp(inflater, "zlib") == 0;
    }

    bool BatchMode() const override { return true; }
    bool ListMode() const override { return listMode_; }
    void SetProgressMax(int32_t maximum) override;
    void StepProgress() override;
    void ProcessMessages() override {}
    void OpenFolderWindow(const std::string&) override {}
    void ShowMessage(const std::string& text) override;
    BlockInflater& Inflater() override {
        return zlib_ ? static_cast<BlockInflater&>(zlibInflater_) : libdeflateInflater_;
    }
    // Entries of gigabytes must not need gigabytes of memory.
    bool StreamsEntries() const override { return true; }
    unsigned Workers() const override { return workers_; }
    void EntryWritten(const std::string& name, uint64_t bytes) override;
    void Warn(const std::string& text) override;

    // Ends the progress line, if one was drawn.
    void FinishProgress();

private:
    void DrawProgress(bool force);

    bool listMode_;
    bool showProgress_;
    unsigned workers_;
    bool zlib_ = false;
    LibdeflateBlockInflater libdeflateInflater_;
    MemoryBlockInflater zlibInflater_;
    int32_t maximum_ = 0;
    int32_t done_ = 0;
    uint64_t bytes_ = 0;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastDrawn_{};
};

}  // namespace pakmole::cli
