#pragma once
#include <cstddef>

// The aircraft pages' rows: an aircraft's key and the three controls that hold its value.
struct AircraftRow {
    const char* key;
    int checkBox;
    int startDate;
    int endDate;
};

// Top row first, each page's in its file.
extern const AircraftRow GermanRows[];
extern const std::size_t GermanRowCount;
extern const AircraftRow AlliedRows[];
extern const std::size_t AlliedRowCount;
