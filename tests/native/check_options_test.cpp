#include "check/options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// What a command line comes to, in one line: the refusal, or each part that was given.
std::string Outcome(const std::vector<std::string>& arguments)
{
    const CheckOptions options = ParseCheckOptions(arguments);
    if (options.error)
        return "refused: " + options.error.Reason();
    std::string text = "[";
    for (const std::string& folder : options.folders) text += (text.size() > 1 ? "|" : "") + folder;
    text += "]";
    for (auto [flag, name] : {std::pair(options.build, " build"), {options.help, " help"},
                              {options.version, " version"}, {options.keys, " keys"}, {options.create, " create"},
                              {options.json, " json"}})
        if (flag) text += name;
    for (const std::string& key : options.gets) text += " get(" + key + ")";
    for (const auto& [key, value] : options.sets)
        text += " set(" + key + "|" + value + ")";
    for (auto [list, name] : {std::pair(&options.servers, " servers"), {&options.cookies, " cookies"},
                              {&options.targets, " targets"}}) {
        if (!*list) continue;
        text += name + std::string("(");
        for (const std::string& entry : **list) text += entry + ";";
        text += ")";
    }
    return text;
}

}  // namespace

TEST(CheckOptions, ReadsEachOptionInBothFormsAndRefusesWhatItCannotRead)
{
    const struct { std::vector<std::string> arguments; const char* outcome; } rows[] = {
        {{}, "[]"},
        // The value is the file's text as it would stand after "=": blanks and quotes kept for the read.
        {{"--set=serverDesc= \"A = B\" ", "--set", " k =x"}, "[] set(serverDesc| \"A = B\" ) set(k|x)"},
        {{"--servers", "TCP:a:7000, UDP:b ,TCP:c", "--cookies="}, "[] servers(TCP:a:7000;UDP:b;TCP:c;) cookies()"},
        {{"--targets", "1,Aero 1a", "--targets=7"}, "[] targets(1;Aero 1a;7;)"},
        {{"--servers", " "}, "[] servers()"},
        {{"--", "--build"}, "[--build]"},
        {{"--help", "-h", "--version", "--keys"}, "[] help version keys"},
        {{"a", "--json", "b c", "--create", "--get", "maxPlayers", "--get=all"}, "[a|b c] create json get(maxPlayers) get(all)"},
        {{"--build=yes"}, "refused: --build takes no value"},
        {{"--set"}, "refused: --set needs a value"},
        {{"--set", "maxPlayers"}, "refused: --set maxPlayers: give KEY=VALUE"},
        {{"--set", " =1"}, "refused: --set  =1: give KEY=VALUE"},
        {{"--set", "serverDesc=a\nb"}, "refused: --set serverDesc: a value cannot hold a line break"},
        {{"--cookies", "a,,b"}, "refused: --cookies a,,b: an entry between two commas is empty"},
    };
    for (const auto& row : rows) {
        std::string line;
        for (const std::string& argument : row.arguments) line += " " + argument;
        EXPECT_EQ(Outcome(row.arguments), row.outcome) << line;
    }
}

TEST(CheckOptions, ReadsAListFromAFileALineAtATime)
{
    const std::string path = testing::TempDir() + "skyvarn-list.txt";
    std::ofstream(path, std::ios::binary) << "TCP:a\n\n UDP:b ,TCP:c\r\n \r\nTCP:d";
    EXPECT_EQ(Outcome({"--servers", "@" + path, "--servers=TCP:e"}), "[] servers(TCP:a;UDP:b ,TCP:c;TCP:d;TCP:e;)");
    std::remove(path.c_str());
    EXPECT_EQ(Outcome({"--targets", "@" + path}), "refused: --targets @" + path + ": cannot read the list file " + path);
    EXPECT_EQ(Outcome({"--cookies", "@"}), "[] cookies(@;)") << "a lone @ is an entry";
}
