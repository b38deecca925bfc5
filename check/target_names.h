#pragma once

// The ID of the target of the map `mapName` (exact, case-sensitive, as the map list spells it) named
// `targetName`: the first spelt so, else the first whose name differs only in ASCII case; 0 when there is
// none, or no such map.
int FindTargetId(const char* mapName, const char* targetName);
