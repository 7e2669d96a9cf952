#pragma once
// Drives the pak job from a terminal: one updating progress line on stderr
// (when it is a terminal and -q was not given), blocks inflated in memory,
// failures remembered for the report.
#include <chrono>
#include <cstdio>

#include "pak/JobHost.h"
#include "pak/MemoryBlockInflater.h"

namespace pakmole::cli {

class ConsoleHost : public JobHost {
public:
    ConsoleHost(bool listMode, bool showProgress, unsigned workers = 1)
        : listMode_(listMode), showProgress_(showProgress), workers_(workers) {}

    bool BatchMode() const override { return true; }
    bool ListMode() const override { return listMode_; }
    void SetProgressMax(int32_t maximum) override;
    void StepProgress() override;
    void ProcessMessages() override {}
    void OpenFolderWindow(const std::string&) override {}
    void ShowMessage(const std::string& text) override;
    BlockInflater& Inflater() override { return inflater_; }
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
    MemoryBlockInflater inflater_;
    int32_t maximum_ = 0;
    int32_t done_ = 0;
    uint64_t bytes_ = 0;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastDrawn_{};
};

}  // namespace pakmole::cli
