#include "app/Unit1.h"

#include <shellapi.h>

#include <algorithm>
#include <thread>

#include "base/FileSystem.h"
#include "pak/PakJob.h"
#include "skin/controls/edits/sDirectoryEdit.h"
#include "skin/controls/edits/sFilenameEdit.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/CommandLine.h"
#include "ui/InputForm.h"
#include "ui/MessageForm.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

namespace pakmole {

const char* const TForm1::kPlaceholder = "Select pak-file (Unreal Engine 4) for Unpacking";

namespace {
// Exit codes of a command-line job, for scripts.
constexpr int kExitAllDone = 0;
constexpr int kExitSomeFailed = 1;
constexpr int kExitNotDone = 2;
}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    ReadStoredDescription();
    if (TApplication* app = Application()) {
        previousOnException_ = app->OnException;
        app->OnException = [this](TObject* sender, const std::exception& error) {
            ApplicationException(sender, error);
        };
    }
}

void TForm1::BeforeDestruction() {
    if (TApplication* app = Application()) app->OnException = previousOnException_;
    TForm::BeforeDestruction();
}

void TForm1::SetBatchOutcome(int code) {
    if (!batchMode_) return;
    if (TApplication* app = Application()) app->SetExitCode(std::max(app->ExitCode(), code));
}

void TForm1::ApplicationException(TObject* sender, const std::exception& error) {
    SetBatchOutcome(kExitNotDone);
    if (ToConsole()) {
        console_.WriteLine(std::string("pakmole: ") + error.what());
        return;
    }
    keepOpen_ = batchMode_;
    if (previousOnException_)
        previousOnException_(sender, error);
    else if (TApplication* app = Application())
        app->ShowException(error.what());
}

void TForm1::Tell(const std::string& text) {
    ShowProgress();  // the bar stands where the job got to
    if (ToConsole())
        console_.WriteLine("pakmole: " + text);
    else
        pakmole::ShowMessage(text);
}

void TForm1::Warn(const std::string& text) {
    // The window says it in its "DONE!" message; a batch job without a
    // console finished and has nobody to tell.
    if (ToConsole()) console_.WriteLine("pakmole: " + text);
}

void TForm1::ReportFailedEntries(const JobSummary& summary) {
    if (!batchMode_ || summary.failed.empty()) return;
    if (ToConsole()) {
        for (const FailedEntry& failure : summary.failed)
            console_.WriteLine("pakmole: failed: " + failure.name + ": " + failure.reason);
        return;
    }
    // Enough of the list to tell what went wrong; the count says the rest.
    constexpr std::size_t kListed = 10;
    std::string text;
    for (std::size_t i = 0; i < summary.failed.size() && i < kListed; ++i)
        text += summary.failed[i].name + ": " + summary.failed[i].reason + "\r\n";
    text += FailedCountMessage(summary);
    keepOpen_ = true;
    pakmole::ShowMessage(text);
}

void TForm1::Button2Click(TObject*) {
    if (edt1->Text() == kPlaceholder) {
        SetBatchOutcome(kExitNotDone);
        Tell("Please select file!");
        return;
    }
    Button2->SetCaption("Unpacking... Please wait...");
    Button2->SetEnabled(false);
    JobSummary summary;
    try {
        PakJobOptions options;
        options.key = key_;
        options.oodlePath = oodlePath_;
        summary = RunPakJob(edt1->Text(), *this, options);
    } catch (...) {
        // A pak that cannot be opened or read must not leave the button dead.
        Button2->SetCaption("Unpack");
        Button2->SetEnabled(true);
        SetBatchOutcome(kExitNotDone);
        throw;
    }
    ReportFailedEntries(summary);
    SetBatchOutcome(summary.AllExtracted() ? kExitAllDone : kExitSomeFailed);
    Button2->SetCaption("Unpack");
    Button2->SetEnabled(true);
}

void TForm1::tmr1Timer(TObject*) {
    batchMode_ = false;
    listMode_ = false;
    tmr1->SetEnabled(false);
    if (ParamCount() == 0) return;
    try {
        batchMode_ = true;
        // Keys and the Oodle library come first; then the first argument is
        // the list switch or the pak, as without them.
        int first = 1;
        while ((ParamStr(first) == "--aes-key" || ParamStr(first) == "--oodle") && first < ParamCount()) {
            if (ParamStr(first) == "--oodle")
                oodlePath_ = ParamStr(first + 1);
            else
                key_ = ParseAesKey(ParamStr(first + 1));
            first += 2;
        }
        if (ParamStr(first) == "-filelist") {
            listMode_ = true;
            edt1->SetFileName(ParamStr(first + 1));
        } else {
            edt1->SetFileName(ParamStr(first));
        }
        Button2->Click();
    } catch (...) {
        // Said on the console and in the exit status, and the window closes
        // all the same, since a script waits for it; without a console the
        // box is shown and the window stays.
        if (TApplication* app = Application()) app->HandleException(this);
    }
    if (!keepOpen_) Close();
}

std::optional<AesKey> TForm1::AskForKey(const std::string& pakPath) {
    // A script gives its key on the command line; nobody is there to ask.
    if (batchMode_) return std::nullopt;
    std::string prompt = key_ ? "The key given does not open " : "This pak is encrypted: ";
    prompt += pakPath.substr(ExtractFilePath(pakPath).size()) + ".\r\nIts AES key (base64, or 0x and 64 hex digits):";
    std::string text;
    for (;;) {
        if (!InputQuery(prompt, text)) return std::nullopt;
        try {
            key_ = ParseAesKey(text);
            return key_;
        } catch (const std::exception& e) {
            pakmole::ShowMessage(e.what());
        }
    }
}

void TForm1::edt1AfterDialog(TObject*, std::string&, bool&) {
    const std::string text = edt1->Text();
    if (!text.empty()) edt2->InitialDir = ExtractFilePath(text);
}

void TForm1::SetProgressMax(int32_t maximum) {
    PB->SetRange(0, maximum);
    PB->SetStep(1);
    PB->SetPosition(0);
    stepsToShow_ = 0;
}

void TForm1::StepProgress() {
    // The bar's window repaints at once on every change, a dozen round trips
    // through Wine's server for each entry: it is told what the count has
    // reached at most every 15 ms, and at the last entry.
    ++stepsToShow_;
    const int32_t reached = PB->Position() + stepsToShow_ * PB->Step();
    if (reached >= PB->Max() || TimeToShowAgain(lastProgress_)) ShowProgress();
}

void TForm1::ShowProgress() {
    if (stepsToShow_ == 0) return;
    const int32_t steps = stepsToShow_;
    stepsToShow_ = 0;
    PB->SetPosition(std::min(PB->Position() + steps * PB->Step(), PB->Max()));
}

unsigned TForm1::Workers() const { return std::max(1u, std::thread::hardware_concurrency()); }

bool TForm1::TimeToShowAgain(std::optional<uint32_t>& last) {
    // A window that answers every 15 ms moves and repaints as smoothly as one
    // that answers every block, and a look at the queue or a repaint costs
    // more than a block does.
    constexpr uint32_t kEveryMs = 15;
    const uint32_t now = GetTickCount();
    if (last && now - *last < kEveryMs) return false;
    last = now;
    return true;
}

void TForm1::ProcessMessages() {
    if (!TimeToShowAgain(lastMessages_)) return;
    ShowProgress();
    if (TApplication* app = Application()) app->ProcessMessages();
}

void TForm1::OpenFolderWindow(const std::string& folder) {
    ShellExecuteA(Handle(), "open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::ShowMessage(const std::string& text) { Tell(text); }

}  // namespace pakmole
