#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Text conversions between the page controls and the values stored in the settings file.

// The usual integer parse: leading white space skipped, optional sign, digits up to the first non-digit;
// no digits gives 0. Saturates at INT_MIN/INT_MAX instead of overflowing (a 40-digit ID text must never
// wrap into a small valid number). No UB for any input.
int ParseDecimal(std::string_view text);

// A number as "%02d" writes it: "07", "12", "123", "-5".
std::string TwoDigitText(int number);

// Upper-cases the ASCII letters a..z only; every other byte (0x80..0xFF included) unchanged.
std::string UpperCaseAscii(std::string_view text);

// Game page swap time. Seconds -> minutes shown: ParseDecimal(seconds) / 60 truncated toward zero, as "%d".
std::string SwapSecondsToMinutesText(std::string_view storedSeconds);

// Minutes typed -> seconds stored: ParseDecimal(minutes) * 60 as "%d". Minutes whose seconds would not fit
// a signed 32-bit integer are clamped to the nearest minutes value that fits (so the result is always a
// multiple of 60 within range; never wrapped). Empty text gives "0".
std::string SwapMinutesToSecondsText(std::string_view minutesText);

// First to Defend mapping, exact and case-sensitive. toListText != 0: "-1" -> "Random", "0" -> "Allies",
// anything else -> "Germans". toListText == 0: "Random" -> "-1", "Allies" -> "0", anything else -> "1".
std::string ConvertDefendSide(int toListText, std::string_view text);

// A rate is a whole number in this range, the range of its up-down control.
constexpr int kRateLowest = 1;
constexpr int kRateHighest = 1440;

// Rates: a stored rate text -> the number shown ("30.0" -> 30; as ParseDecimal). Position -> stored text
// "%d.0"; number -> shown text "%d:1".
std::string RateStoredText(int position);
std::string RateShownText(int rate);

// Wraps a spun rate into its range: below the lowest -> the highest, above the highest -> the lowest (no
// other change).
int WrapRate(long long proposed);
