#include "targets/target_catalogue.h"

#include <cstring>

// The map names are the map list's texts exactly; "Random" has no table.
const MapTable TargetCatalogue[MapTableCount] = {
    {"Island", IslandNames, IslandTargetCount},
    {"Marne", MarneNames, MarneTargetCount},
    {"Verdun", VerdunNames, VerdunTargetCount},
    {"Alsace", AlsaceNames, AlsaceTargetCount},
    {"Flanders", FlandersNames, FlandersTargetCount},
};

static const MapTable* FindMapTable(const char* mapName)
{
    if (mapName == nullptr)
        return nullptr;
    for (const MapTable& table : TargetCatalogue) {
        if (std::strcmp(table.mapName, mapName) == 0)
            return &table;
    }
    return nullptr;
}

LookupResult LookupTarget(const char* mapName, int targetId, const char** name)
{
    const MapTable* table = FindMapTable(mapName);
    if (table == nullptr)
        return LookupResult::NoSuchMap;
    // Record 0 is only a placeholder, so IDs start at 1.
    if (targetId < 1 || targetId >= table->recordCount)
        return LookupResult::OutOfRange;
    // A few hundred short names: counting them off is quicker than any lookup a person could notice.
    const char* found = table->names;
    for (int id = 0; id < targetId; ++id)
        found += std::strlen(found) + 1;
    if (name != nullptr)
        *name = found;
    return LookupResult::Found;
}
