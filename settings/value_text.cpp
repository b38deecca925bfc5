#include "settings/value_text.h"

#include <climits>

namespace {

bool IsParseSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Seconds are stored as a 32-bit int, so minutes beyond these would not fit once multiplied.
constexpr int kMaxSwapMinutes = INT_MAX / 60;
constexpr int kMinSwapMinutes = INT_MIN / 60;

}  // namespace

int ParseDecimal(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsParseSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate in long long and stop growing once past the int range, so no input can overflow.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::string UpperCaseAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string TwoDigitText(int number)
{
    return (number >= 0 && number < 10 ? "0" : "") + std::to_string(number);
}

std::string SwapSecondsToMinutesText(std::string_view storedSeconds)
{
    return std::to_string(ParseDecimal(storedSeconds) / 60);
}

std::string SwapMinutesToSecondsText(std::string_view minutesText)
{
    int minutes = ParseDecimal(minutesText);
    if (minutes > kMaxSwapMinutes)
        minutes = kMaxSwapMinutes;
    else if (minutes < kMinSwapMinutes)
        minutes = kMinSwapMinutes;
    return std::to_string(minutes * 60);
}

std::string ConvertDefendSide(int toListText, std::string_view text)
{
    if (toListText != 0) {
        if (text == "-1")
            return "Random";
        if (text == "0")
            return "Allies";
        return "Germans";
    }
    // An empty list (no selection) falls through to the Germans value, as any unknown text does.
    if (text == "Random")
        return "-1";
    if (text == "Allies")
        return "0";
    return "1";
}

std::string RateStoredText(int position)
{
    return std::to_string(position) + ".0";
}

std::string RateShownText(int rate)
{
    return std::to_string(rate) + ":1";
}

int WrapRate(long long proposed)
{
    if (proposed < kRateLowest)
        return kRateHighest;
    if (proposed > kRateHighest)
        return kRateLowest;
    return static_cast<int>(proposed);
}
