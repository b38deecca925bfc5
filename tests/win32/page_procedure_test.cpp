#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "app/app_state.h"
#include "resource.h"
#include "test_support.h"

namespace {

const int General = GeneralPageIndex;

// A click on an arrow as the operator's mouse gives it; the control then asks the page for its own step.
void ClickArrow(HWND spinner, bool up)
{
    RECT rect;
    GetClientRect(spinner, &rect);
    LPARAM point = MAKELPARAM(rect.right / 2, up ? rect.bottom / 4 : rect.bottom * 3 / 4);
    SendMessageA(spinner, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(spinner, WM_LBUTTONUP, 0, point);
}

TEST(RateSpinners, HaveTheirRangeAndStepsAndWrapAtBothEnds)
{
    ScratchDirectory directory("spinners");
    EditorWindow editor;
    const struct { int spinner, box, other; } rates[] = {
        {IDC_GENERAL_DAY_RATE_SPIN, IDC_GENERAL_DAY_RATE, IDC_GENERAL_NIGHT_RATE},
        {IDC_GENERAL_NIGHT_RATE_SPIN, IDC_GENERAL_NIGHT_RATE, IDC_GENERAL_DAY_RATE}};
    // Single steps and the accelerated step of 40, across either end and onto it.
    const struct { int from; UINT step; bool up; int expected; } cases[] = {
        {1440, 1, true, 1}, {1, 1, false, 1440}, {30, 1, true, 31}, {1420, 40, true, 1},
        {30, 40, false, 1440}, {1400, 40, true, 1440}, {41, 40, false, 1}};
    for (const auto& rate : rates) {
        HWND spinner = editor.Item(General, rate.spinner);
        int lower = 0, upper = 0;
        SendMessageA(spinner, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
        UDACCEL steps[3] = {};
        const LRESULT count = SendMessageA(spinner, UDM_GETACCEL, 3, reinterpret_cast<LPARAM>(steps));
        EXPECT_TRUE(lower == 1 && upper == 1440 && count == 2 && steps[0].nSec == 0 && steps[0].nInc == 1 &&
                    steps[1].nSec == 1 && steps[1].nInc == 40) << "range or steps of " << rate.spinner;
        EXPECT_EQ(GetWindow(spinner, GW_HWNDPREV), editor.Item(General, rate.box)) << "buddy order";
        const std::string other = editor.Text(General, rate.other);
        for (const auto& c : cases) {
            SendMessageA(spinner, UDM_SETPOS, 0, MAKELPARAM(c.from, 0));
            UDACCEL step = {0, c.step};
            SendMessageA(spinner, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
            ClickArrow(spinner, c.up);
            const std::string row = std::to_string(c.from) + (c.up ? " up " : " down ") + std::to_string(c.step);
            EXPECT_EQ(editor.Text(General, rate.box), std::to_string(c.expected) + ":1") << row;
            EXPECT_EQ(static_cast<int>(LOWORD(SendMessageA(spinner, UDM_GETPOS, 0, 0))), c.expected) << row;
        }
        EXPECT_EQ(editor.Text(General, rate.other), other) << "the other rate changed";
    }
}

TEST(RateSpinners, IgnoreOtherUpDownNotifications)
{
    ScratchDirectory directory("spinner-other");
    EditorWindow editor;
    const std::string before = editor.Text(General, IDC_GENERAL_DAY_RATE);
    NMUPDOWN change = {{nullptr, 4242, static_cast<UINT>(UDN_DELTAPOS)}, 1440, 1};
    EXPECT_EQ(SendMessageA(editor.Page(General), WM_NOTIFY, 4242, reinterpret_cast<LPARAM>(&change)), 0);
    EXPECT_EQ(change.iDelta, 1);
    EXPECT_EQ(editor.Text(General, IDC_GENERAL_DAY_RATE), before);
}

}  // namespace
