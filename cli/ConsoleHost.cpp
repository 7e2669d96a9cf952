#include "ConsoleHost.h"

namespace pakmole::cli {

void ConsoleHost::SetProgressMax(int32_t maximum) {
    maximum_ = maximum;
    done_ = 0;
    started_ = std::chrono::steady_clock::now();
}

void ConsoleHost::StepProgress() {
    ++done_;
    DrawProgress(done_ == maximum_);
}

void ConsoleHost::ShowMessage(const std::string& text) {
    FinishProgress();
    std::fprintf(stderr, "%s\n", text.c_str());
}

void ConsoleHost::Warn(const std::string& text) {
    FinishProgress();
    std::fprintf(stderr, "pakmole: %s\n", text.c_str());
}

void ConsoleHost::EntryWritten(const std::string&, uint64_t bytes) { bytes_ += bytes; }

void ConsoleHost::DrawProgress(bool force) {
    if (!showProgress_) return;
    const auto now = std::chrono::steady_clock::now();
    // Redrawing a terminal line for every small entry would cost more than the entry.
    if (!force && now - lastDrawn_ < std::chrono::milliseconds(100)) return;
    lastDrawn_ = now;
    const double seconds = std::chrono::duration<double>(now - started_).count();
    const double megabytes = static_cast<double>(bytes_) / (1024.0 * 1024.0);
    std::fprintf(stderr, "\r%d of %d entries, %.1f MB, %.1f MB/s   ", done_, maximum_, megabytes,
                 seconds > 0 ? megabytes / seconds : 0.0);
    std::fflush(stderr);
    drawn_ = true;
}

void ConsoleHost::FinishProgress() {
    if (drawn_) std::fputc('\n', stderr);
    drawn_ = false;
}

}  // namespace pakmole::cli
