#include "targets/target_catalogue.h"

#include <cstring>

// The map names are the map list's texts exactly; "Random" has no table.
const MapTable TargetCatalogue[MapTableCount] = {
    {"Island", IslandTargets, IslandTargetCount},
    {"Marne", MarneTargets, MarneTargetCount},
    {"Verdun", VerdunTargets, VerdunTargetCount},
    {"Alsace", AlsaceTargets, AlsaceTargetCount},
    {"Flanders", FlandersTargets, FlandersTargetCount},
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
    if (name != nullptr)
        *name = table->records[targetId].name;
    return LookupResult::Found;
}
