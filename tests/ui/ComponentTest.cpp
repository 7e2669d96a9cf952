// Ownership, loading and destruction order of components and controls.
#include <gtest/gtest.h>

#include "tests/ui/GuiTestSupport.h"
#include "ui/Button.h"
#include "ui/CustomForm.h"
#include "ui/Screen.h"

namespace pakmole {
namespace {

using Log = std::vector<std::string>;

class Probe : public TComponent {
public:
    Probe(TComponent* owner, const std::string& name, Log& log) : TComponent(owner), log_(log) {
        SetName(name);
        log_.push_back("create " + name + (IsLoading() ? " loading" : ""));
    }
    ~Probe() override { log_.push_back("destroy " + Name()); }

protected:
    void Loaded() override {
        TComponent::Loaded();
        log_.push_back("loaded " + Name());
    }
    void Notification(TComponent* c, TOperation op) override {
        if (op == TOperation::opRemove) log_.push_back(Name() + " sees " + c->Name() + " go");
    }

private:
    Log& log_;
};

TEST(ComponentTest, OwnerLoadsInCreationOrderAndFreesLastFirst) {
    Log log;
    {
        ComponentPtr<Probe> owner(new Probe(nullptr, "owner", log));
        owner->BeginLoad();
        new Probe(owner.get(), "a", log);
        new Probe(owner.get(), "b", log);
        owner->EndLoad();
        EXPECT_FALSE(owner->IsLoading());
        EXPECT_FALSE(owner->Components(1)->IsLoading());
        new Probe(owner.get(), "c", log);
        owner->Components(1)->Free();
        EXPECT_EQ(owner->ComponentCount(), 2);
        EXPECT_EQ(owner->FindComponent("C"), owner->Components(1));
    }
    const Log expected{"create owner",  "create a loading", "create b loading", "loaded a",
                       "loaded b",      "loaded owner",     "create c",         "destroy b",
                       "a sees b go",   "c sees b go",      "owner sees b go",  "destroy c",
                       "destroy a",     "destroy owner"};
    EXPECT_EQ(log, expected);
}

TEST(ComponentTest, FreeingAFormDestroysItsWindowsAndReleasesForeignChildren) {
    test::RecordingApplication app;
    TForm* form = app.App().CreateForm<TForm>();
    auto* own = new TButton(form);
    own->SetParent(form);
    ComponentPtr<TButton> foreign(new TButton(nullptr));
    foreign->SetParent(form);
    form->Show();
    HWND formWindow = form->Handle();
    HWND ownWindow = own->Handle();
    HWND foreignWindow = foreign->Handle();
    ASSERT_TRUE(IsWindow(ownWindow) && IsWindow(foreignWindow));

    form->Free();
    EXPECT_FALSE(IsWindow(formWindow));
    EXPECT_FALSE(IsWindow(ownWindow));
    EXPECT_FALSE(IsWindow(foreignWindow));
    EXPECT_EQ(foreign->Parent(), nullptr);
    EXPECT_FALSE(foreign->HandleAllocated());
    EXPECT_EQ(app.App().MainForm(), nullptr);
    EXPECT_EQ(Screen().FormCount(), 0);
}

TEST(ComponentTest, RemovedFocusedControlIsForgottenByTheForm) {
    test::RecordingApplication app;
    TForm* form = app.App().CreateForm<TForm>();
    auto* button = new TButton(form);
    button->SetParent(form);
    form->Show();
    button->SetFocus();
    EXPECT_EQ(form->ActiveControl(), button);
    button->Free();
    EXPECT_EQ(form->ActiveControl(), nullptr);
}

}  // namespace
}  // namespace pakmole
