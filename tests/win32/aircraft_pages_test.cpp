#include <gtest/gtest.h>

#include <windows.h>

#include "app/app_state.h"
#include "settings/ini_text.h"
#include "test_support.h"

namespace {

// In the order they are read and written: the German page first, each page from its top row down.
const char* const Keys[] = {
    "FOKKER_EIII", "ALBATROS_DII", "HALBERSTADT_DII", "ALBATROS_DIII", "ALBATROS_DV", "FOKKER_DRI",
    "PFALZ_DIII", "FOKKER_DVII", "PFALZ_DXII", "MORANE_BULLET", "NIEUPORT_11", "NIEUPORT_17", "SPAD_VII",
    "SPAD_XIII", "AIRCO_DH2", "SOPWITH_PUP", "SOPWITH_TRIPLANE", "SOPWITH_CAMEL", "SOPWITH_SNIPE",
    "NIEUPORT_24", "NIEUPORT_28", "SE5A"};
const size_t GermanRows = 9;

// Check box, start and end date of a row of Keys, walking the page's template, not the identifiers the code uses.
struct Row { HWND check, start, end; };
Row RowOf(const EditorWindow& editor, size_t row)
{
    HWND control = GetWindow(editor.Page(row < GermanRows ? GermanPlanesPageIndex : AlliedPlanesPageIndex), GW_CHILD);
    for (size_t skip = 3 * (row < GermanRows ? row : row - GermanRows); skip > 0; --skip)
        control = GetWindow(control, GW_HWNDNEXT);
    HWND start = GetWindow(control, GW_HWNDNEXT);
    return {control, start, GetWindow(start, GW_HWNDNEXT)};
}

std::string Shown(const EditorWindow& editor, size_t row)  // "flag|start|end"
{
    const Row r = RowOf(editor, row);
    return (SendMessageA(r.check, BM_GETCHECK, 0, 0) ? "1|" : "0|") + WindowText(r.start) + "|" + WindowText(r.end);
}
std::string Stored(const std::string& file, size_t row) { return IniGetString(file, "QV3Server", Keys[row], "", 1000); }

TEST(AircraftPages, WorkedValuesLoadAndAreNormalisedByAStore)
{
    const struct { const char *stored, *shownThenStored; } rows[] = {
        {"", "1|| -> 1"}, {"0", "0|| -> 0"}, {"yes", "1|s| -> 1"}, {"10,1917", "1||1917 -> 1"},
        {"1,,1918", "1||1918 -> 1"}, {"1,1917", "1|1917| -> 1"}, {"1,a,b,c", "1|a|b,c -> 1,a,b,c"},
        {"1,1916-02-01,1917-06-30", "1|1916-02-01|1917-06-30 -> 1,1916-02-01,1917-06-30"},
        {"0,1916,1917", "0|1916|1917 -> 0,1916,1917"}, {"01,1917,1918", "0||1917,1918 -> 0"},
    };
    ScratchDirectory directory("aircraft-worked");
    std::string settings = "[QV3Server]\r\n";
    for (size_t i = 0; i < std::size(rows); ++i) settings += std::string(Keys[i]) + "=" + rows[i].stored + "\r\n";
    directory.WriteSettings(settings);
    EditorWindow editor;
    editor.Build();
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(Shown(editor, i) + " -> " + Stored(directory.ReadSettings(), i), rows[i].shownThenStored) << i;
}

TEST(AircraftPages, WithoutAFileDefaultsThenBoundedDatesRoundTripGermanFirst)
{
    ScratchDirectory directory("aircraft-dates");
    const std::string longStart(125, '7'), longEnd(125, '8');
    {
        EditorWindow editor;
        for (size_t i = 0; i < std::size(Keys); ++i)
            EXPECT_EQ(Shown(editor, i), "1||") << Keys[i];  // never the line feed that a missing key reads as
        const Row row = RowOf(editor, 5), pasted = RowOf(editor, 12);
        for (char typed : {'7', '-', ',', '7', 'a'}) SendMessageA(row.start, WM_CHAR, static_cast<WPARAM>(typed), 0);
        EXPECT_EQ(WindowText(row.start), "77");
        SendMessageA(row.start, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(std::string(130, '7').c_str()));
        SendMessageA(row.end, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(std::string(130, '8').c_str()));
        SetWindowTextA(pasted.start, "19,17");
        SetWindowTextA(pasted.end, "1918");
        SendMessageA(pasted.check, BM_CLICK, 0, 0);
        editor.Build();
    }
    const std::string file = directory.ReadSettings();
    for (size_t i = 0, previous = 0; i < std::size(Keys); ++i) {
        const size_t at = file.find("\n" + std::string(Keys[i]) + "=");
        EXPECT_TRUE(at != std::string::npos && at > previous) << Keys[i] << " missing or out of order";
        previous = at;
        EXPECT_EQ(Stored(file, i), i == 5 ? "1," + longStart + "," + longEnd : i == 12 ? "0,19,17,1918" : "1");
    }
    EditorWindow editor;
    EXPECT_EQ(Shown(editor, 5), "1|" + longStart + "|" + longEnd);
    EXPECT_EQ(Shown(editor, 12), "0|19|17,1918");
}

}  // namespace
