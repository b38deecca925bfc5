#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// One aircraft key's value: availability flag and optional start and end dates, "flag,start,end".

// The longest value the settings file read hands back whole is 254 characters. A "flag,start,end" value
// takes 3 + start + end characters, so each date field is limited to this many characters, which keeps
// every value whole (3 + 2 * 125 = 253).
constexpr std::size_t kAircraftDateLimit = 125;

struct AircraftValue {
    int flag = 1;          // 1 available, 0 not
    std::string start;     // free text
    std::string end;       // free text, may hold further commas
};

// Splits a stored value: the first character alone decides the flag ('0' -> 0, anything else and the
// empty text -> 1); fewer than two characters -> no dates; otherwise the first two characters are dropped,
// the start date is the rest up to its first comma (all of it if none), the end date what follows that
// comma (empty if none).
AircraftValue ParseAircraftValue(std::string_view value);

// The value to store: "%d,%s,%s" when both dates are non-empty, else the bare flag "1" or "0".
std::string FormAircraftValue(const AircraftValue& value);

// True when FormAircraftValue would write the bare flag (at least one date empty).
bool IsBareAircraftFlag(const AircraftValue& value);
