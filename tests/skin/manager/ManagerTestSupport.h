#pragma once
// Fixtures for skin manager tests under Wine: skin packages and folders made
// in code, the built-in package from the test program's resources, and a
// catcher for the boxes the manager would show.
#include <string>
#include <utility>
#include <vector>

#include "skin/manager/FormSkinLinks.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/sSkinManager.h"
#include "ui/Component.h"

namespace pakmole::test {

using Bytes = std::vector<unsigned char>;

// The built-in skin package carried by the test program.
const Bytes& EmberlineBytes();

// A skin package of the given files (name, content), the options file
// named "Options.dat" among them.
Bytes MakePackage(const std::vector<std::pair<std::string, std::string>>& files);

// The smallest loadable options text: the global section with a version and
// one section named marker, by which a test tells which skin was loaded.
std::string MarkedOptions(const std::string& marker, const std::string& version = "8.00");

void WriteBytes(const std::string& path, const Bytes& bytes);
// A 24-bit BMP file of pixels 0xAARRGGBB (alpha dropped).
Bytes EncodeBmp24(const TBitmap32& bitmap);
// Makes folder (and its parents) and writes Options.dat there.
void WriteSkinFolder(const std::string& folder, const std::string& options);

// Takes every box the manager shows while alive.
class CaughtMessages {
public:
    struct Message {
        TsSkinMessageKind Kind;
        std::string Text;
    };
    CaughtMessages();
    ~CaughtMessages();
    CaughtMessages(const CaughtMessages&) = delete;
    CaughtMessages& operator=(const CaughtMessages&) = delete;
    const std::vector<Message>& All() const { return messages_; }

private:
    std::vector<Message> messages_;
    TsSkinMessageSink previous_;
};

// A manager freed at the end of the test, with the built-in skin stored as
// "Emberline (internal)" and the program folder set to programFolder.
ComponentPtr<TsSkinManager> MakeManager(const std::string& programFolder = "C:\\NoProgram\\",
                                        bool withInternalSkin = true);

// A form provider as far as the manager sees one: registered while alive,
// counting the transitions it takes part in.
class FakeFormLink : public TsFormSkinLink {
public:
    explicit FakeFormLink(TCustomForm* form, TsSkinManager* manager = nullptr);
    ~FakeFormLink() override;
    FakeFormLink(const FakeFormLink&) = delete;
    FakeFormLink& operator=(const FakeFormLink&) = delete;
    TCustomForm* Form() const override { return form_; }
    TsSkinManager* SkinManager() const override { return manager_ ? manager_ : TsSkinManager::DefaultManager(); }
    void SnapshotForSkinChange() override { ++Snapshots; }
    void BeginSkinChange() override { ++Begun; }
    void EndSkinChange(bool fade, uint16_t, TvlAnimType) override {
        ++Ended;
        LastFade = fade;
    }
    int Snapshots = 0, Begun = 0, Ended = 0;
    bool LastFade = false;

private:
    TCustomForm* form_;
    TsSkinManager* manager_;
};

// Counts of the manager's events.
struct EventCounts {
    int BeforeChange = 0, AfterChange = 0, Activate = 0, Deactivate = 0, SkinListChanged = 0;
    void Attach(TsSkinManager& manager);
};

}  // namespace pakmole::test
