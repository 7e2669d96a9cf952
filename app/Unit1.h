#pragma once
// The program's window: the pak file edit, the "Unpack" button, the progress
// bar, and the one-shot timer that decides whether a command-line job runs.
#include <cstdint>
#include <optional>
#include <string>

#include "app/ParentConsole.h"
#include "pak/JobHost.h"
#include "pak/LibdeflateBlockInflater.h"
#include "ui/Application.h"
#include "ui/CustomForm.h"

namespace pakmole {

class TsSkinManager;
class TsSkinProvider;

class TButton;
class TMemo;
class TProgressBar;
class TTimer;
class TsDirectoryEdit;
class TsFilenameEdit;
class TsPathDialog;

class TForm1 : public TForm, public JobHost {
public:
    explicit TForm1(TComponent* owner);
    std::string ClassName() const override { return "TForm1"; }

    static const char* const kPlaceholder;

    // Components in stored order.
    TsDirectoryEdit* edt2 = nullptr;
    TButton* Button1 = nullptr;
    TProgressBar* PB = nullptr;
    TButton* Button2 = nullptr;
    TsFilenameEdit* edt1 = nullptr;
    TMemo* mmo1 = nullptr;
    TsPathDialog* sPathDialog1 = nullptr;
    TsSkinManager* sSkinManager1 = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;
    TTimer* tmr1 = nullptr;

    void Button2Click(TObject* sender);
    void tmr1Timer(TObject* sender);
    void edt1AfterDialog(TObject* sender, std::string& name, bool& action);

    // JobHost
    bool BatchMode() const override { return batchMode_; }
    bool ListMode() const override { return listMode_; }
    void SetProgressMax(int32_t maximum) override;
    void StepProgress() override;
    void ProcessMessages() override;
    void OpenFolderWindow(const std::string& folder) override;
    void ShowMessage(const std::string& text) override;
    BlockInflater& Inflater() override { return inflater_; }
    // Entries stream to their files on every core, as on the command line:
    // memory stays bounded and the program's own folder is never written.
    bool StreamsEntries() const override { return true; }
    unsigned Workers() const override;
    std::optional<AesKey> AskForKey(const std::string& pakPath) override;
    void Warn(const std::string& text) override;

protected:
    void BeforeDestruction() override;

private:
    void ReadStoredDescription();
    // A job from the command line ends with the worst of what happened.
    void SetBatchOutcome(int code);
    // The application's exception handler: a message box for a person, the
    // caller's console in batch mode, where nobody would close the box. A
    // batch job started without a console (a pak dropped on the program)
    // shows the box and keeps the window open instead.
    void ApplicationException(TObject* sender, const std::exception& error);
    void Tell(const std::string& text);
    void ReportFailedEntries(const JobSummary& summary);
    // In batch mode: whether what goes wrong is said on a console.
    bool ToConsole() { return batchMode_ && console_.Present(); }

    bool batchMode_ = false;
    // A batch job without a console went wrong: its box was shown, and the
    // window stays for the user to close.
    bool keepOpen_ = false;
    // The AES key given with --aes-key or typed in, kept for the session.
    std::optional<AesKey> key_;
    // The game's Oodle library given with --oodle; empty: looked for.
    std::string oodlePath_;
    bool listMode_ = false;
    // True at most every 15 ms, counted from last (a GetTickCount), which
    // it moves on when it says true.
    static bool TimeToShowAgain(std::optional<uint32_t>& last);
    // Moves the bar on by the entries counted since it was last moved.
    void ShowProgress();
    // When the job last let the window handle its messages, and last moved
    // the bar (GetTickCount).
    std::optional<uint32_t> lastMessages_;
    std::optional<uint32_t> lastProgress_;
    int32_t stepsToShow_ = 0;
    LibdeflateBlockInflater inflater_;
    ParentConsole console_;
    TExceptionEvent previousOnException_;
};

}  // namespace pakmole
