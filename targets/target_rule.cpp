#include "targets/target_rule.h"

#include "settings/value_text.h"
#include "targets/target_catalogue.h"

const char DuplicateTargetText[] = "This target already exists within the target list.";

std::string InvalidIdText(const std::string& map)
{
    return "The ID you have entered is not a valid ID for the " + map + " map.";
}

TargetAddition AddTargetRule(const std::string& map, const std::string& idText, const std::vector<std::string>& listed)
{
    // Saturating: an ID with too many digits is out of range, never wrapped into a valid one.
    const char* found = nullptr;
    switch (LookupTarget(map.c_str(), ParseDecimal(idText), &found)) {
    case LookupResult::NoSuchMap:
        return {TargetAddition::NoSuchMap, ""};
    case LookupResult::OutOfRange:
        return {TargetAddition::OutOfRange, ""};
    case LookupResult::Found:
        break;
    }
    const std::string name = found;
    for (const std::string& line : listed)
        if (UpperCaseAscii(line) == UpperCaseAscii(name))
            return {TargetAddition::AlreadyListed, name};
    return {TargetAddition::Added, name};
}
