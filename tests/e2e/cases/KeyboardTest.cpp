// The keyboard in the main window. The four option buttons behave as one
// option group of a Windows dialog: Tab and Shift+Tab stop only at the
// selected one, and the arrow keys move the selection along the options.
// Nothing but a deliberate choice changes the mode or empties Text1.
#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "driver/ExpectedLayout.h"
#include "driver/OtherWindow.h"
#include "driver/Units.h"
#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;
using ::testing::Each;

constexpr std::array<int, 4> kOptionsInRowOrder{kNormalModeOption, kBootloaderModeOption,
                                                kTransferModeOption, kInstallModeOption};
constexpr wchar_t kApkPath[] = L"C:\\ADB\\Magisk.apk";

bool isOption(int id) {
    return std::ranges::find(kOptionsInRowOrder, id) != kOptionsInRowOrder.end();
}

// The controls that Tab stops at, in tab order, while this option is selected.
std::vector<int> tabStops(int selectedOption) {
    std::vector<int> stops;
    for (const ExpectedControl& control : kExpectedControls) {
        if (control.id != kUnusedButton &&
            (!isOption(control.id) || control.id == selectedOption)) {
            stops.push_back(control.id);
        }
    }
    return stops;
}

class KeyboardTest : public VantrelTest {
  protected:
    // The one checked option, or 0 when none or several are checked.
    int selectedOption() {
        int selected = 0;
        for (const int option : kOptionsInRowOrder) {
            if (window().isChecked(option)) {
                if (selected != 0) {
                    return 0;
                }
                selected = option;
            }
        }
        return selected;
    }

    // Selects the option with a click, which also gives it the focus.
    void selectAndFocus(int option) {
        selectMode(option);
        ASSERT_EQ(window().focusedControlId(), option);
    }

    int pressTab(bool backwards) {
        const bool moved = backwards ? window().pressShiftTab() : window().pressKey(VK_TAB);
        EXPECT_TRUE(moved) << "the focus stayed where it was";
        return window().focusedControlId();
    }
};

TEST_F(KeyboardTest, ShiftTabFromOption1WrapsToTheLastListAndTabComesBack) {
    selectAndFocus(kNormalModeOption);
    EXPECT_EQ(pressTab(true), kTransferDirectionList);
    EXPECT_EQ(pressTab(false), kNormalModeOption);
    EXPECT_EQ(selectedOption(), kNormalModeOption);
}

class TabRoundTest : public KeyboardTest, public ::testing::WithParamInterface<int> {
  protected:
    struct Round {
        std::vector<int> visited;  // the focused control after each press
        std::vector<int> modes;    // the selected option after each press
        std::vector<std::wstring> texts;
    };

    // From the selected option, one press for every tab stop: back where it
    // started. With Option1 selected, Tab goes from it to Combo1 first.
    Round goRound(bool backwards) {
        Round round;
        for (size_t press = 0; press < tabStops(GetParam()).size(); ++press) {
            round.visited.push_back(pressTab(backwards));
            round.modes.push_back(selectedOption());
            round.texts.push_back(statusText());
        }
        return round;
    }

    std::vector<int> expectedRound(bool backwards) {
        std::vector<int> stops = tabStops(GetParam());
        if (backwards) {
            std::ranges::reverse(stops);
        }
        std::ranges::rotate(stops, std::ranges::find(stops, GetParam()) + 1);
        return stops;
    }
};

TEST_P(TabRoundTest, StopsOnlyAtTheSelectedOptionAndNeverAtCommand3OrChangesModeOrText1) {
    selectAndFocus(GetParam());
    window().typeText(kStatusBox, kApkPath);
    for (const bool backwards : {false, true}) {
        SCOPED_TRACE(backwards ? "Shift+Tab" : "Tab");
        const Round round = goRound(backwards);
        EXPECT_EQ(round.visited, expectedRound(backwards));
        EXPECT_THAT(round.modes, Each(GetParam()));
        EXPECT_THAT(round.texts, Each(std::wstring(kApkPath)));
    }
}

INSTANTIATE_TEST_SUITE_P(Selected, TabRoundTest, ::testing::ValuesIn(kOptionsInRowOrder),
                         [](const ::testing::TestParamInfo<int>& option) {
                             return "Option" + std::to_string(option.param - kNormalModeOption + 1);
                         });

struct ArrowStep {
    const char* key;
    WORD virtualKey;
    int from;
    int to;
};

// Every arrow key, both wraps, and each option reached from both sides.
constexpr std::array kArrowSteps{
    ArrowStep{"Down", VK_DOWN, kNormalModeOption, kBootloaderModeOption},
    ArrowStep{"Right", VK_RIGHT, kBootloaderModeOption, kTransferModeOption},
    ArrowStep{"Down", VK_DOWN, kTransferModeOption, kInstallModeOption},
    ArrowStep{"Right", VK_RIGHT, kInstallModeOption, kNormalModeOption},
    ArrowStep{"Up", VK_UP, kNormalModeOption, kInstallModeOption},
    ArrowStep{"Left", VK_LEFT, kInstallModeOption, kTransferModeOption},
    ArrowStep{"Up", VK_UP, kTransferModeOption, kBootloaderModeOption},
    ArrowStep{"Left", VK_LEFT, kBootloaderModeOption, kNormalModeOption},
};

TEST_F(KeyboardTest, ArrowKeysSelectAndFocusTheNeighbouringOptionWrappingAroundAsAClickDoes) {
    selectAndFocus(kNormalModeOption);
    for (const ArrowStep& step : kArrowSteps) {
        SCOPED_TRACE(std::string(step.key) + " on option " + std::to_string(step.from));
        window().typeText(kStatusBox, kApkPath);
        ASSERT_TRUE(window().pressKey(step.virtualKey)) << "the focus stayed on the option";
        EXPECT_EQ(window().focusedControlId(), step.to);
        EXPECT_EQ(selectedOption(), step.to);
        EXPECT_EQ(statusText(), L"");
    }
    EXPECT_EQ(typedText(), L"");
}

TEST_F(KeyboardTest, SwitchingToAnotherWindowAndBackKeepsTheModeText1AndTheFocus) {
    OtherWindow other;
    struct Scene {
        const char* name;
        int mode;
        int focused;
    };
    // As the window opened, on an option chosen with a click, and in Text1 after Tab.
    for (const Scene& scene : {Scene{"at start", kNormalModeOption, kNormalModeOption},
                               Scene{"after a click", kInstallModeOption, kInstallModeOption},
                               Scene{"in Text1", kInstallModeOption, kStatusBox}}) {
        SCOPED_TRACE(scene.name);
        if (scene.focused == kStatusBox) {
            ASSERT_TRUE(window().pressKey(VK_TAB));
        } else if (scene.mode != kNormalModeOption) {
            selectMode(scene.mode);
        }
        ASSERT_EQ(window().focusedControlId(), scene.focused);
        window().typeText(kStatusBox, kApkPath);
        other.activate();
        window().settle();
        window().activate();
        EXPECT_EQ(selectedOption(), scene.mode);
        EXPECT_EQ(statusText(), kApkPath);
        EXPECT_EQ(window().focusedControlId(), scene.focused);
    }
}

}  // namespace
}  // namespace e2e
