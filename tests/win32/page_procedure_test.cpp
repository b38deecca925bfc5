#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "app/app_state.h"
#include "resource.h"
#include "test_support.h"

namespace {

struct Spinner {
    int spinner;
    int box;
    int other;   // the other rate's box, which spinning must leave alone
};
const Spinner Rates[] = {{IDC_GENERAL_DAY_RATE_SPIN, IDC_GENERAL_DAY_RATE, IDC_GENERAL_NIGHT_RATE},
                         {IDC_GENERAL_NIGHT_RATE_SPIN, IDC_GENERAL_NIGHT_RATE, IDC_GENERAL_DAY_RATE}};

int Position(const EditorWindow& editor, int spinner)
{
    return LOWORD(SendMessageA(editor.Item(GeneralPageIndex, spinner), UDM_GETPOS, 0, 0));
}

// A click on one of the up-down control's arrows, as the operator's mouse gives it; the control then
// asks the page for the change with its own step.
void ClickArrow(const EditorWindow& editor, int spinner, bool up)
{
    HWND control = editor.Item(GeneralPageIndex, spinner);
    RECT rect;
    GetClientRect(control, &rect);
    LPARAM point = MAKELPARAM(rect.right / 2, up ? rect.bottom / 4 : rect.bottom * 3 / 4);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(control, WM_LBUTTONUP, 0, point);
}

void SetStep(const EditorWindow& editor, int spinner, UINT step)
{
    UDACCEL acceleration = {0, step};
    SendMessageA(editor.Item(GeneralPageIndex, spinner), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&acceleration));
}

TEST(RateSpinners, HaveTheirRangeAndAcceleration)
{
    ScratchDirectory directory("spinner-range");
    EditorWindow editor;
    for (const Spinner& rate : Rates) {
        HWND control = editor.Item(GeneralPageIndex, rate.spinner);
        int lower = 0;
        int upper = 0;
        SendMessageA(control, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
        EXPECT_EQ(lower, 1);
        EXPECT_EQ(upper, 1440);
        UDACCEL steps[3] = {};
        EXPECT_EQ(SendMessageA(control, UDM_GETACCEL, 3, reinterpret_cast<LPARAM>(steps)), 2);
        EXPECT_EQ(steps[0].nSec, 0u);
        EXPECT_EQ(steps[0].nInc, 1u);
        EXPECT_EQ(steps[1].nSec, 1u);
        EXPECT_EQ(steps[1].nInc, 40u);
        EXPECT_EQ(GetWindow(control, GW_HWNDPREV), editor.Item(GeneralPageIndex, rate.box)) << "buddy order";
    }
}

TEST(RateSpinners, WrapAtBothEndsAndKeepTextAndPositionEqual)
{
    ScratchDirectory directory("spinner-wrap");
    EditorWindow editor;
    for (const Spinner& rate : Rates) {
        HWND control = editor.Item(GeneralPageIndex, rate.spinner);
        const std::string otherBefore = editor.Text(GeneralPageIndex, rate.other);
        struct Case {
            int from;
            UINT step;
            bool up;
            int expected;
        };
        // Single steps, and the accelerated step of 40 across either end.
        const Case cases[] = {{1440, 1, true, 1},   {1, 1, false, 1440},  {30, 1, true, 31},
                              {1420, 40, true, 1},  {30, 40, false, 1440}, {1400, 40, true, 1440},
                              {41, 40, false, 1},   {700, 40, true, 740}};
        for (const Case& c : cases) {
            SendMessageA(control, UDM_SETPOS, 0, MAKELPARAM(c.from, 0));
            SetStep(editor, rate.spinner, c.step);
            ClickArrow(editor, rate.spinner, c.up);
            const std::string expected = std::to_string(c.expected) + ":1";
            EXPECT_EQ(editor.Text(GeneralPageIndex, rate.box), expected)
                << "from " << c.from << " step " << c.step << (c.up ? " up" : " down");
            EXPECT_EQ(Position(editor, rate.spinner), c.expected)
                << "from " << c.from << " step " << c.step << (c.up ? " up" : " down");
        }
        EXPECT_EQ(editor.Text(GeneralPageIndex, rate.other), otherBefore) << "the other rate changed";
    }
}

TEST(RateSpinners, IgnoreOtherUpDownNotifications)
{
    ScratchDirectory directory("spinner-other");
    EditorWindow editor;
    const std::string before = editor.Text(GeneralPageIndex, IDC_GENERAL_DAY_RATE);
    NMUPDOWN change = {};
    change.hdr.code = static_cast<UINT>(UDN_DELTAPOS);
    change.hdr.idFrom = 4242;
    change.iPos = 1440;
    change.iDelta = 1;
    EXPECT_EQ(SendMessageA(editor.Page(GeneralPageIndex), WM_NOTIFY, 4242, reinterpret_cast<LPARAM>(&change)), 0);
    EXPECT_EQ(change.iDelta, 1);
    EXPECT_EQ(editor.Text(GeneralPageIndex, IDC_GENERAL_DAY_RATE), before);
}

}  // namespace
