#pragma once
#include <vector>

#include "app/app_state.h"
#include "settings/page_binding.h"

// The keys of [QV3Server] that the pages own, each with the control an operator enters it in and how it
// is held there.
struct SettableKey {
    const char* key;
    PageIndex page;
    int control;              // an aircraft's check box; a Map row's list for both its keys
    Conversion conversion;    // Flag for a Map row's first key, MapName for its second
};

// Every one, in store order: the general page's, the game page's, then the German and the Allied aircraft.
std::vector<SettableKey> SettableKeys();
