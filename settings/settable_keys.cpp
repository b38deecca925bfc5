#include "settings/settable_keys.h"

#include "settings/aircraft_pages.h"

namespace {

void AddBindings(std::vector<SettableKey>& keys, PageIndex page, const Binding* rows, std::size_t count)
{
    for (std::size_t index = 0; index < count; ++index) {
        const Binding& row = rows[index];
        if (row.conversion != Conversion::Map) {
            keys.push_back({row.key, page, row.control, row.conversion});
            continue;
        }
        keys.push_back({row.key, page, row.control, Conversion::Flag});
        keys.push_back({UseMapKey, page, row.control, Conversion::MapName});
    }
}

void AddAircraft(std::vector<SettableKey>& keys, PageIndex page, const AircraftRow* rows, std::size_t count)
{
    for (std::size_t index = 0; index < count; ++index)
        keys.push_back({rows[index].key, page, rows[index].checkBox, Conversion::Aircraft});
}

}  // namespace

std::vector<SettableKey> SettableKeys()
{
    std::vector<SettableKey> keys;
    AddBindings(keys, GeneralPageIndex, GeneralBindings, GeneralBindingCount);
    AddBindings(keys, GamePageIndex, GameBindings, GameBindingCount);
    AddAircraft(keys, GermanPlanesPageIndex, GermanRows, GermanRowCount);
    AddAircraft(keys, AlliedPlanesPageIndex, AlliedRows, AlliedRowCount);
    return keys;
}
