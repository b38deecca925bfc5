#include "check/target_names.h"

#include <cstring>

#include "targets/target_catalogue.h"

// A name spelt as the catalogue spells it is that target, even where another differs only in case
// (Flanders lists both "Lens" and "lens").
int FindTargetId(const char* mapName, const char* targetName)
{
    if (targetName == nullptr)
        return 0;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    int anyCase = 0;
    const char* name = nullptr;
    for (int id = 1; LookupTarget(mapName, id, &name) == LookupResult::Found; ++id) {
        if (std::strcmp(name, targetName) == 0)
            return id;
        std::size_t at = 0;
        while (name[at] != '\0' && lower(name[at]) == lower(targetName[at]))
            ++at;
        if (anyCase == 0 && name[at] == '\0' && targetName[at] == '\0')
            anyCase = id;
    }
    return anyCase;
}
