#include <gtest/gtest.h>

#include <windows.h>

#include <iterator>
#include <string>

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
const size_t GermanRowCount = 9;

// Row `row` of Keys: check box, starting date, ending date. Each template opens with its rows, three
// controls each, so the walk follows the templates rather than the identifiers the code uses.
struct Row {
    HWND check, start, end;
};
Row RowOf(const EditorWindow& editor, size_t row)
{
    bool german = row < GermanRowCount;
    HWND control = GetWindow(editor.Page(german ? GermanPlanesPageIndex : AlliedPlanesPageIndex), GW_CHILD);
    for (size_t skip = 3 * (german ? row : row - GermanRowCount); skip > 0; --skip)
        control = GetWindow(control, GW_HWNDNEXT);
    HWND start = GetWindow(control, GW_HWNDNEXT);
    return {control, start, GetWindow(start, GW_HWNDNEXT)};
}

bool Checked(HWND box)
{
    return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Stored(const ScratchDirectory& directory, size_t row)
{
    return IniGetString(directory.ReadSettings(), "QV3Server", Keys[row], "<missing>", 1000);
}

TEST(AircraftPages, WorkedValuesLoadAndAreNormalisedByAStore)
{
    struct Case {
        const char* stored;   // null: no key
        bool checked;
        const char* start;
        const char* end;
        const char* afterStore;
    };
    const Case cases[] = {
        {nullptr, true, "", "", "1"},
        {"", true, "", "", "1"},
        {"1", true, "", "", "1"},
        {"0", false, "", "", "0"},
        {"1,1916-02-01,1917-06-30", true, "1916-02-01", "1917-06-30", "1,1916-02-01,1917-06-30"},
        {"0,1916-02-01,1917-06-30", false, "1916-02-01", "1917-06-30", "0,1916-02-01,1917-06-30"},
        {"1,,1918-01-01", true, "", "1918-01-01", "1"},
        {"1,1917-01-01", true, "1917-01-01", "", "1"},
        {"1,a,b,c", true, "a", "b,c", "1,a,b,c"},
        {"10,1917", true, "", "1917", "1"},
        {"yes", true, "s", "", "1"},
        {"01,1917,1918", false, "", "1917,1918", "0"},
    };
    ScratchDirectory directory("aircraft-worked");
    std::string settings = "[QV3Server]\r\n";
    for (size_t i = 0; i < std::size(cases); ++i)
        if (cases[i].stored)
            settings += std::string(Keys[i]) + "=" + cases[i].stored + "\r\n";
    directory.WriteSettings(settings);

    EditorWindow editor;
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(std::string(Keys[i]) + " stored as " + (cases[i].stored ? cases[i].stored : "(none)"));
        Row row = RowOf(editor, i);
        EXPECT_EQ(Checked(row.check), cases[i].checked);
        EXPECT_EQ(WindowText(row.start), cases[i].start);
        EXPECT_EQ(WindowText(row.end), cases[i].end);
    }
    editor.Build();
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(Stored(directory, i), cases[i].afterStore) << Keys[i];
}

TEST(AircraftPages, WithoutSettingsEveryAircraftIsAvailableWithoutDates)
{
    ScratchDirectory directory("aircraft-none");
    EditorWindow editor;
    for (size_t i = 0; i < std::size(Keys); ++i) {
        Row row = RowOf(editor, i);
        EXPECT_TRUE(Checked(row.check)) << Keys[i];
        // Never the line feed that a missing key reads as.
        EXPECT_EQ(WindowText(row.start) + "|" + WindowText(row.end), "|") << Keys[i];
    }
    editor.Build();
    const std::string file = directory.ReadSettings();
    size_t previous = 0;
    for (const char* key : Keys) {
        size_t at = file.find("\n" + std::string(key) + "=1\r");
        EXPECT_TRUE(at != std::string::npos && at > previous) << key << " missing or out of order";
        previous = at;
    }
}

TEST(AircraftPages, DateFieldsTakeDigitsOnlyUpToTheirLimit)
{
    ScratchDirectory directory("aircraft-typing");
    directory.WriteSettings("[QV3Server]\r\nFOKKER_EIII=1,1917-04-01,1918-11-11\r\n");
    EditorWindow editor;
    for (size_t i = 0; i < std::size(Keys); ++i)
        for (HWND field : {RowOf(editor, i).start, RowOf(editor, i).end})
            EXPECT_EQ(SendMessageA(field, EM_GETLIMITTEXT, 0, 0), 125) << Keys[i];

    HWND field = RowOf(editor, 0).start;
    EXPECT_EQ(WindowText(field), "1917-04-01");
    SetWindowTextA(field, "");
    for (char typed : {'1', '-', ',', '7', 'a'})
        SendMessageA(field, WM_CHAR, static_cast<WPARAM>(typed), 0);
    EXPECT_EQ(WindowText(field), "17");
    SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(std::string(130, '9').c_str()));
    EXPECT_EQ(WindowText(field), "17" + std::string(123, '9'));
}

// Dates that fill both limits, and a comma that came in by pasting, each through a store and a load.
TEST(AircraftPages, StoredDatesLoadBackAsStored)
{
    ScratchDirectory directory("aircraft-roundtrip");
    const std::string longStart(125, '7');
    const std::string longEnd(125, '8');
    {
        EditorWindow editor;
        SetWindowTextA(RowOf(editor, 5).start, longStart.c_str());
        SetWindowTextA(RowOf(editor, 5).end, longEnd.c_str());
        SetWindowTextA(RowOf(editor, 12).start, "19,17");
        SetWindowTextA(RowOf(editor, 12).end, "1918");
        SendMessageA(RowOf(editor, 12).check, BM_CLICK, 0, 0);
        editor.Build();
    }
    EXPECT_EQ(Stored(directory, 5), "1," + longStart + "," + longEnd);
    EXPECT_EQ(Stored(directory, 12), "0,19,17,1918");

    EditorWindow editor;
    EXPECT_EQ(WindowText(RowOf(editor, 5).start), longStart);
    EXPECT_EQ(WindowText(RowOf(editor, 5).end), longEnd);
    EXPECT_FALSE(Checked(RowOf(editor, 12).check));
    EXPECT_EQ(WindowText(RowOf(editor, 12).start), "19");
    EXPECT_EQ(WindowText(RowOf(editor, 12).end), "17,1918");
}

}  // namespace
