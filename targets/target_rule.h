#pragma once
#include <string>
#include <vector>

// Add Target's rule, the one Target Management and the command line both follow: what adding the target
// whose ID text is `idText` (parsed as the ID field's text is), on the map whose list text is `map`, to a
// list that holds `listed` comes to. A name is listed once, in any case, as the sorted list box finds it.
struct TargetAddition {
    enum Kind { NoSuchMap, OutOfRange, AlreadyListed, Added } kind;
    std::string name;   // the target's name, unless there is no such target
};
TargetAddition AddTargetRule(const std::string& map, const std::string& idText, const std::vector<std::string>& listed);

// The invalid-ID message of `map`.
std::string InvalidIdText(const std::string& map);
extern const char DuplicateTargetText[];
