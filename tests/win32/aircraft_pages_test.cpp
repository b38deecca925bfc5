#include <gtest/gtest.h>

#include <windows.h>

#include "app/app_state.h"
#include "settings/ini_text.h"
#include "test_support.h"

namespace {

// In the order they are read and written: the German page first, each page from its top row down.
const char* const Keys[] = {"FOKKER_EIII", "ALBATROS_DII", "HALBERSTADT_DII", "ALBATROS_DIII", "ALBATROS_DV",
    "FOKKER_DRI", "PFALZ_DIII", "FOKKER_DVII", "PFALZ_DXII", "MORANE_BULLET", "NIEUPORT_11", "NIEUPORT_17", "SPAD_VII",
    "SPAD_XIII", "AIRCO_DH2", "SOPWITH_PUP", "SOPWITH_TRIPLANE", "SOPWITH_CAMEL", "SOPWITH_SNIPE", "NIEUPORT_24",
    "NIEUPORT_28", "SE5A"};

// Column 0, 1, 2 (check box, start, end date) of a row of Keys, walking the template rather than the code's ids.
HWND Control(const EditorWindow& editor, size_t row, size_t column)
{
    HWND control = GetWindow(editor.Page(row < 9 ? GermanPlanesPageIndex : AlliedPlanesPageIndex), GW_CHILD);
    for (size_t skip = 3 * (row < 9 ? row : row - 9) + column; skip > 0; --skip)
        control = GetWindow(control, GW_HWNDNEXT);
    return control;
}
std::string Shown(const EditorWindow& editor, size_t row)  // "flag|start|end"
{
    const std::string flag = SendMessageA(Control(editor, row, 0), BM_GETCHECK, 0, 0) ? "1|" : "0|";
    return flag + WholeText(Control(editor, row, 1)) + "|" + WholeText(Control(editor, row, 2));
}

TEST(AircraftPages, DatesAreBoundedAndStoredGermanFirstAndWorkedValuesAreNormalised)
{
    ScratchDirectory directory("aircraft-pages");
    {
        EditorWindow editor;
        for (size_t i = 0; i < std::size(Keys); ++i) EXPECT_EQ(Shown(editor, i), "1||") << Keys[i];  // no line feed
        for (char typed : {'7', '-', ',', '7', 'a'}) SendMessageA(Control(editor, 5, 1), WM_CHAR, WPARAM(typed), 0);
        SendMessageA(Control(editor, 5, 2), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(std::string(130, '8').c_str()));
        editor.Build();
    }
    std::string block;
    for (auto key : Keys) block += key + ("=" + (key == Keys[5] ? "1,77," + std::string(125, '8') : "1")) + "\r\n";
    EXPECT_NE(directory.ReadSettings().find("\n" + block), std::string::npos) << directory.ReadSettings();
    directory.WriteSettings("[QV3Server]\r\nFOKKER_EIII=\r\nALBATROS_DII=0\r\nHALBERSTADT_DII=10,1917\r\n"
        "ALBATROS_DIII=1,1917\r\nALBATROS_DV=1,a,b,c\r\nFOKKER_DRI=0,1916-02-01,1917\r\nPFALZ_DIII=01,1917,1918\r\n");
    const char* const shownThenStored[] = {"1|| -> 1", "0|| -> 0", "1||1917 -> 1", "1|1917| -> 1", "1|a|b,c -> 1,a,b,c",
                                           "0|1916-02-01|1917 -> 0,1916-02-01,1917", "0||1917,1918 -> 0"};
    EditorWindow editor;
    editor.Build();
    for (size_t i = 0; i < std::size(shownThenStored); ++i)
        EXPECT_EQ(Shown(editor, i) + " -> " + IniGetString(directory.ReadSettings(), "QV3Server", Keys[i], "", 999),
                  shownThenStored[i]) << Keys[i];
}

}  // namespace
