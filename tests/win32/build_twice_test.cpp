#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>

#include "editor.h"

namespace {

// A settings file as hands, other programs and damage leave them: the pages' keys with values of the
// bytes that mean something to a read (blanks, quotes, comments, NULs, the list separator), list lines
// likewise, foreign sections, any mix of line ends, with or without a UTF-8 mark.
std::string RandomSettings(std::mt19937& random)
{
    const char* const keys[] = {"serverDesc", "maxPlayers", "password", "useMap", "randomizeMap", "startDate",
        "startTime", "dayRate", "nightRate", "gameType", "difficulty", "cloudsOn", "targetSwapTimeInSeconds",
        "germansDefendFirst", "targetRegionSize", "playersPerTarget", "FOKKER_EIII", "SPAD_VII", "SE5A", "other"};
    const char* const sections[] = {"QV3Server", "RegisterWith", "Clients", "Targets", "Foreign"};
    const std::string bytes = std::string("aZ09 \t/\"'=-:.,;[]") + '\0' + "\xC7\xE9";
    const char* const ends[] = {"\r\n", "\n", "\r"};
    auto pick = [&](std::size_t count) { return static_cast<std::size_t>(random() % count); };
    auto text = [&](std::size_t most) {
        std::string made;
        for (std::size_t n = pick(most); n > 0; --n) made += bytes[pick(bytes.size())];
        return made;
    };
    std::string file = pick(4) == 0 ? "\xEF\xBB\xBF" : "";
    for (std::size_t section = pick(6); section > 0; --section) {
        const std::string name = sections[pick(std::size(sections))];
        file += (pick(5) == 0 ? " [" : "[") + name + "]" + ends[pick(3)];
        for (std::size_t line = pick(8); line > 0; --line) {
            if (name == "QV3Server")
                file += std::string(keys[pick(std::size(keys))]) + (pick(3) ? "=" : " = ") + text(12);
            else if (name == "Clients")
                file += (pick(4) ? "Cookie=" : "") + text(12);
            else
                file += text(16);
            file += ends[pick(3)];
        }
    }
    return file;
}

TEST(Build, ASecondBuildChangesNothingSeed2026Files60)
{
    std::mt19937 random(2026);
    ScratchDirectory directory("build-twice");
    for (int round = 0; round < 60; ++round) {
        const std::string file = RandomSettings(random);
        directory.WriteSettings(file);
        std::string once;
        {
            Editor editor;
            editor.Build();
            once = directory.ReadSettings();
        }
        Editor editor;
        editor.Build();
        ASSERT_EQ(directory.ReadSettings(), once) << "round " << round << ": " << testing::PrintToString(file);
    }
}

}  // namespace
