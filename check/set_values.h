#pragma once
#include <string>

#include "settings/refusal.h"
#include "settings/settable_keys.h"

// What an operator could enter for each settable key, read off the hidden editor's own controls: a list's
// items, a box's limit and whether it takes digits only, an up-down's range. A value given on the command
// line is held to that; what the file already holds is normalised by the pages, as in the editor.

// The settable key named `name` (without regard to ASCII case); null when the pages own no such key.
const SettableKey* FindSettableKey(const std::string& name);

// What the key takes, in one line: "digits, at most 254 of them", "one of SMALL, MEDIUM, LARGE", ...
std::string WhatItTakes(const SettableKey& key);

// Refused when `value` (the text after "=", as the file would hold it) could not be entered in the key's
// control as given; the reason names the key, the value and what the key takes.
Refusal CheckSetValue(const SettableKey& key, const std::string& value);
