// The menu "帮助": four fixed lines.
#include <array>
#include <string>

#include "driver/Units.h"
#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

using HelpMenuTest = VantrelTest;

TEST_F(HelpMenuTest, ItemsTypeTheirLinesAndLeaveText1Empty) {
    struct Item {
        int id;
        std::wstring line;
    };
    const std::array items{
        Item{kAdbHelpItem, L"adb help"},
        Item{kFastbootHelpItem, L"fastboot help"},
        Item{kHelpFileItem, L"start C:\\adb\\adbbz.doc"},
        Item{kAboutItem, L"explorer " VANTREL_E2E_HOMEPAGE_URL},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(utf8(item.line));
        console().forget();
        window().typeText(kStatusBox, kEarlierStatus);
        chooseMenuItem(item.id);
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(typedText(), enteredLine(item.line));
        EXPECT_EQ(statusText(), L"");
    }
}

TEST_F(HelpMenuTest, FastbootHelpIsFourteenMessages) {
    chooseMenuItem(kFastbootHelpItem);
    EXPECT_EQ(console().received().size(), 14u);
}

}  // namespace
}  // namespace e2e
