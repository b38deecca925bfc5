#include "settings/aircraft_value.h"

AircraftValue ParseAircraftValue(std::string_view value)
{
    AircraftValue result;
    result.flag = (!value.empty() && value[0] == '0') ? 0 : 1;
    if (value.size() < 2)
        return result;
    // The first two characters are dropped whatever they are; in values this program wrote they are
    // the flag digit and its comma.
    const std::string_view rest = value.substr(2);
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) {
        result.start = std::string(rest);
    } else {
        result.start = std::string(rest.substr(0, comma));
        result.end = std::string(rest.substr(comma + 1));
    }
    return result;
}

bool IsBareAircraftFlag(const AircraftValue& value)
{
    // Only a complete range is stored; a date without its partner is not kept.
    return value.start.empty() || value.end.empty();
}

std::string FormAircraftValue(const AircraftValue& value)
{
    // Any non-zero flag counts as available, matching how a check box state maps to "1".
    const char* flag = value.flag != 0 ? "1" : "0";
    if (IsBareAircraftFlag(value))
        return flag;
    return std::string(flag) + "," + value.start + "," + value.end;
}
