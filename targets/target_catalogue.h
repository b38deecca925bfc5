#pragma once

// One map's targets: `names` holds `recordCount` NUL-terminated names one after another, in target ID
// order; name 0 is a single blank and never looked up.
struct MapTable { const char* mapName; const char* names; int recordCount; };

enum class LookupResult { NoSuchMap, OutOfRange, Found };

// Resolves `targetId` for the map whose list text is `mapName` (exact, case-sensitive); on Found,
// *name points at the record's text, which lives as long as the program. Otherwise *name is left
// as it was. A null `mapName` is NoSuchMap; a null `name` only gets the result.
LookupResult LookupTarget(const char* mapName, int targetId, const char** name);

// Every map that has targets, in search order.
constexpr int MapTableCount = 5;
extern const MapTable TargetCatalogue[MapTableCount];

// Record counts, record 0 included: a map's last valid target ID is one less.
constexpr int IslandTargetCount = 52;
constexpr int MarneTargetCount = 227;
constexpr int VerdunTargetCount = 212;
constexpr int AlsaceTargetCount = 238;
constexpr int FlandersTargetCount = 411;

extern const char* const IslandNames;
extern const char* const MarneNames;
extern const char* const VerdunNames;
extern const char* const AlsaceNames;
extern const char* const FlandersNames;
