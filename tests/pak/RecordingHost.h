#pragma once
// A job host that records what the job asked of its surroundings.
#include <memory>
#include <string>
#include <vector>

#include "pak/JobHost.h"
#include "pak/LibdeflateBlockInflater.h"
#include "pak/MemoryBlockInflater.h"
#include "pak/TempFileBlockInflater.h"

namespace pakmole::test {

class RecordingHost : public JobHost {
public:
    // Memory: zlib in memory; Libdeflate: what the program uses.
    enum class Inflation { Memory, TempFiles, Libdeflate };
    explicit RecordingHost(bool batch = true, bool list = false, Inflation inflation = Inflation::Memory)
        : batch_(batch), list_(list) {
        if (inflation == Inflation::Memory)
            inflater_ = std::make_unique<MemoryBlockInflater>();
        else if (inflation == Inflation::Libdeflate)
            inflater_ = std::make_unique<LibdeflateBlockInflater>();
        else
            inflater_ = std::make_unique<TempFileBlockInflater>();
    }

    bool BatchMode() const override { return batch_; }
    bool ListMode() const override { return list_; }
    void SetProgressMax(int32_t maximum) override {
        progressMax = maximum;
        progress = 0;
    }
    void StepProgress() override { ++progress; }
    void ProcessMessages() override { ++messagePumps; }
    void OpenFolderWindow(const std::string& folder) override { foldersOpened.push_back(folder); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void Warn(const std::string& text) override { warnings.push_back(text); }
    BlockInflater& Inflater() override { return *inflater_; }
    bool StreamsEntries() const override { return streams; }
    unsigned Workers() const override { return workers; }

    bool streams = false;  // as the command line does
    unsigned workers = 1;
    int32_t progressMax = -1;
    int32_t progress = 0;
    int messagePumps = 0;
    std::vector<std::string> foldersOpened;
    std::vector<std::string> messages;
    std::vector<std::string> warnings;

private:
    bool batch_;
    bool list_;
    std::unique_ptr<BlockInflater> inflater_;
};

}  // namespace pakmole::test
