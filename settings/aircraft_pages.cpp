#include <windows.h>

#include <iterator>
#include <string>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/pages.h"
#include "resource.h"
#include "settings/aircraft_pages.h"
#include "settings/aircraft_value.h"
#include "settings/page_binding.h"
#include "settings/profile_store.h"

// Top row first: the order in which the keys are read and written.
const AircraftRow GermanRows[] = {
    {"FOKKER_EIII", IDC_GERMAN_FOKKER_EIII, IDC_GERMAN_FOKKER_EIII_START, IDC_GERMAN_FOKKER_EIII_END},
    {"ALBATROS_DII", IDC_GERMAN_ALBATROS_DII, IDC_GERMAN_ALBATROS_DII_START, IDC_GERMAN_ALBATROS_DII_END},
    {"HALBERSTADT_DII", IDC_GERMAN_HALBERSTADT_DII, IDC_GERMAN_HALBERSTADT_DII_START,
     IDC_GERMAN_HALBERSTADT_DII_END},
    {"ALBATROS_DIII", IDC_GERMAN_ALBATROS_DIII, IDC_GERMAN_ALBATROS_DIII_START, IDC_GERMAN_ALBATROS_DIII_END},
    {"ALBATROS_DV", IDC_GERMAN_ALBATROS_DV, IDC_GERMAN_ALBATROS_DV_START, IDC_GERMAN_ALBATROS_DV_END},
    {"FOKKER_DRI", IDC_GERMAN_FOKKER_DRI, IDC_GERMAN_FOKKER_DRI_START, IDC_GERMAN_FOKKER_DRI_END},
    {"PFALZ_DIII", IDC_GERMAN_PFALZ_DIII, IDC_GERMAN_PFALZ_DIII_START, IDC_GERMAN_PFALZ_DIII_END},
    {"FOKKER_DVII", IDC_GERMAN_FOKKER_DVII, IDC_GERMAN_FOKKER_DVII_START, IDC_GERMAN_FOKKER_DVII_END},
    {"PFALZ_DXII", IDC_GERMAN_PFALZ_DXII, IDC_GERMAN_PFALZ_DXII_START, IDC_GERMAN_PFALZ_DXII_END},
};

const AircraftRow AlliedRows[] = {
    {"MORANE_BULLET", IDC_ALLIED_MORANE_BULLET, IDC_ALLIED_MORANE_BULLET_START, IDC_ALLIED_MORANE_BULLET_END},
    {"NIEUPORT_11", IDC_ALLIED_NIEUPORT_11, IDC_ALLIED_NIEUPORT_11_START, IDC_ALLIED_NIEUPORT_11_END},
    {"NIEUPORT_17", IDC_ALLIED_NIEUPORT_17, IDC_ALLIED_NIEUPORT_17_START, IDC_ALLIED_NIEUPORT_17_END},
    {"SPAD_VII", IDC_ALLIED_SPAD_VII, IDC_ALLIED_SPAD_VII_START, IDC_ALLIED_SPAD_VII_END},
    {"SPAD_XIII", IDC_ALLIED_SPAD_XIII, IDC_ALLIED_SPAD_XIII_START, IDC_ALLIED_SPAD_XIII_END},
    {"AIRCO_DH2", IDC_ALLIED_AIRCO_DH2, IDC_ALLIED_AIRCO_DH2_START, IDC_ALLIED_AIRCO_DH2_END},
    {"SOPWITH_PUP", IDC_ALLIED_SOPWITH_PUP, IDC_ALLIED_SOPWITH_PUP_START, IDC_ALLIED_SOPWITH_PUP_END},
    {"SOPWITH_TRIPLANE", IDC_ALLIED_SOPWITH_TRIPLANE, IDC_ALLIED_SOPWITH_TRIPLANE_START,
     IDC_ALLIED_SOPWITH_TRIPLANE_END},
    {"SOPWITH_CAMEL", IDC_ALLIED_SOPWITH_CAMEL, IDC_ALLIED_SOPWITH_CAMEL_START, IDC_ALLIED_SOPWITH_CAMEL_END},
    {"SOPWITH_SNIPE", IDC_ALLIED_SOPWITH_SNIPE, IDC_ALLIED_SOPWITH_SNIPE_START, IDC_ALLIED_SOPWITH_SNIPE_END},
    {"NIEUPORT_24", IDC_ALLIED_NIEUPORT_24, IDC_ALLIED_NIEUPORT_24_START, IDC_ALLIED_NIEUPORT_24_END},
    {"NIEUPORT_28", IDC_ALLIED_NIEUPORT_28, IDC_ALLIED_NIEUPORT_28_START, IDC_ALLIED_NIEUPORT_28_END},
    {"SE5A", IDC_ALLIED_SE5A, IDC_ALLIED_SE5A_START, IDC_ALLIED_SE5A_END},
};
const std::size_t GermanRowCount = std::size(GermanRows);
const std::size_t AlliedRowCount = std::size(AlliedRows);

namespace {

AircraftValue ReadAircraftKey(const char* key)
{
    char value[ProfileTextSize];
    ReadProfileText(QV3ServerSection, key, value);
    return ParseAircraftValue(value);
}

// A value longer than the file's reads hand back would come back cut, and with it the end date changed:
// such a row is refused, and the build writes nothing.
Refusal WriteAircraftKey(const char* key, const AircraftValue& value)
{
    if (IsBareAircraftFlag(value)) {
        WriteProfileFlag(QV3ServerSection, key, value.flag);
        return Refusal();
    }
    std::string formed = FormAircraftValue(value);
    if (formed.size() >= ProfileTextSize)
        return std::string("The dates of ") + key + " are too long to be stored: together they may hold at most " +
               std::to_string(ProfileTextSize - 4) + " characters. Shorten them, then build the INI file again.";
    WriteProfileText(QV3ServerSection, key, formed.c_str());
    return Refusal();
}

template <size_t RowCount>
void LoadAircraftPage(PageIndex index, const AircraftRow (&rows)[RowCount])
{
    HWND page = PageTable[index];
    if (!page)
        return;
    for (const AircraftRow& row : rows) {
        AircraftValue value = ReadAircraftKey(row.key);
        Check(page, row.checkBox, value.flag != 0);
        // Two typed dates at this limit still form a value that the settings file reads back whole.
        SendMessageA(Control(page, row.startDate), EM_LIMITTEXT, kAircraftDateLimit, 0);
        SendMessageA(Control(page, row.endDate), EM_LIMITTEXT, kAircraftDateLimit, 0);
        SetControlText(Control(page, row.startDate), value.start.c_str());
        SetControlText(Control(page, row.endDate), value.end.c_str());
    }
}

// Refused at the first row that cannot be stored.
template <size_t RowCount>
Refusal StoreAircraftPage(PageIndex index, const AircraftRow (&rows)[RowCount])
{
    HWND page = PageTable[index];
    if (!page)
        return Refusal();
    for (const AircraftRow& row : rows) {
        AircraftValue value;
        value.flag = IsChecked(page, row.checkBox) ? 1 : 0;
        value.start = WholeText(Control(page, row.startDate));
        value.end = WholeText(Control(page, row.endDate));
        if (Refusal refused = WriteAircraftKey(row.key, value))
            return refused;
    }
    return Refusal();
}

}  // namespace

void LoadGermanPlanesPage()
{
    LoadAircraftPage(GermanPlanesPageIndex, GermanRows);
}

void LoadAlliedPlanesPage()
{
    LoadAircraftPage(AlliedPlanesPageIndex, AlliedRows);
}

Refusal StoreGermanPlanesPage()
{
    return StoreAircraftPage(GermanPlanesPageIndex, GermanRows);
}

Refusal StoreAlliedPlanesPage()
{
    return StoreAircraftPage(AlliedPlanesPageIndex, AlliedRows);
}
