// The command-line switches the skin engine reads.
#include <gtest/gtest.h>

#include "skin/manager/CommandSwitches.h"
#include "ui/CommandLine.h"
#include "tests/skin/manager/ManagerTestSupport.h"

namespace pakmole {
namespace {

TEST(SkinSwitchesTest, VersionSwitchInAnyCaseAndPlaceShowsTheVersion) {
    struct Case {
        std::vector<std::string> Arguments;
        bool Shown;
    };
    const Case cases[] = {
        {{"/vlver"}, true},
        {{"Game.pak", "/VLVER"}, true},
        {{"-filelist", "/VlVer"}, true},
        {{}, false},
        {{"/vlver2"}, false},
        {{"vlver"}, false},
        {{"/vltest"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Arguments.empty() ? std::string("none") : c.Arguments.back());
        test::CaughtMessages caught;
        EXPECT_EQ(ShowVersionOnSwitch(c.Arguments), c.Shown);
        if (!c.Shown) {
            EXPECT_TRUE(caught.All().empty());
            continue;
        }
        ASSERT_EQ(caught.All().size(), 1u);
        EXPECT_EQ(caught.All()[0].Kind, TsSkinMessageKind::smInformation);
        EXPECT_EQ(caught.All()[0].Text, "Velour v8.40");
    }
}

TEST(SkinSwitchesTest, PreviewSwitchMustBeTheFirstArgumentExactly) {
    EXPECT_TRUE(PreviewSwitchGiven({"/vlpreview"}));
    EXPECT_TRUE(PreviewSwitchGiven({"/vlpreview", "Game.pak"}));
    EXPECT_FALSE(PreviewSwitchGiven({"/VLPREVIEW"}));
    EXPECT_FALSE(PreviewSwitchGiven({"Game.pak", "/vlpreview"}));
    EXPECT_FALSE(PreviewSwitchGiven({}));
}

TEST(SkinSwitchesTest, OverriddenArgumentsStandForTheProgramsOwn) {
    OverrideProgramArguments(std::vector<std::string>{"/vltest", "x"});
    EXPECT_EQ(ProgramArguments(), (std::vector<std::string>{"/vltest", "x"}));
    OverrideProgramArguments(std::nullopt);
    ASSERT_EQ(ProgramArguments().size(), static_cast<std::size_t>(ParamCount()));
    for (int i = 1; i <= ParamCount(); ++i) EXPECT_EQ(ProgramArguments()[i - 1], ParamStr(i));
}

}  // namespace
}  // namespace pakmole
