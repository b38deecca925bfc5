#include "check/answer.h"

#include <windows.h>

#include <cstdio>

#include "settings/profile_store.h"

namespace {

// The text in UTF-8: from the ANSI code page, or UTF-8 already (its malformed bytes then replaced, as JSON
// must hold well-formed text).
std::string Utf8(const std::string& text, bool utf8 = false)
{
    if (text.empty())
        return text;
    const UINT from = utf8 ? CP_UTF8 : CP_ACP;
    const int units = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &wide[0], units);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, &result[0], bytes, nullptr, nullptr);
    return result;
}

std::string Quoted(const std::string& utf8)
{
    std::string json = "\"";
    for (char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n' || c == '\r' || c == '\t') {
            json += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

// A setting's value: null when missing, a list's lines as an array.
std::string SettingJson(const std::string& value, bool list, bool utf8)
{
    if (value == MissingSetting)
        return "null";
    if (!list)
        return Quoted(Utf8(value, utf8));
    std::string json = "[";
    for (std::size_t start = 0; start < value.size();) {
        const std::size_t end = value.find('\0', start);
        const std::string line = value.substr(start, end - start);
        if (!line.empty())
            json += (json.size() > 1 ? ", " : "") + Quoted(Utf8(line, utf8));
        start = end == std::string::npos ? value.size() : end + 1;
    }
    return json + "]";
}

std::string AnswerJson(const FolderAnswer& answer)
{
    std::string json = "{\"folder\": " + Quoted(Utf8(answer.folder.empty() ? "." : answer.folder)) +
                       ", \"status\": " + std::to_string(answer.status) +
                       ", \"changed\": " + (answer.changed ? "true" : "false") +
                       ", \"written\": " + (answer.written ? "true" : "false") +
                       ", \"created\": " + (answer.created ? "true" : "false") + ",\n  \"changes\": [";
    for (const Change& change : answer.changes) {
        const bool list = change.key.empty();
        json += std::string(&change == &answer.changes.front() ? "" : ",") + "\n    {\"section\": " +
                Quoted(Utf8(change.section, answer.utf8)) + ", \"key\": " +
                (list ? std::string("null") : Quoted(Utf8(change.key, answer.utf8))) + ", \"before\": " +
                SettingJson(change.before, list, answer.utf8) + ", \"after\": " +
                SettingJson(change.after, list, answer.utf8) + "}";
    }
    json += "],\n  \"values\": {";
    for (const ShownValue& shown : answer.values) {
        json += std::string(&shown == &answer.values.front() ? "" : ", ") + Quoted(shown.key) + ": ";
        std::string values;
        for (const std::string& value : shown.values)
            values += (values.empty() ? "" : ", ") + Quoted(Utf8(value));
        json += shown.list ? "[" + values + "]" : values.empty() ? "\"\"" : values;
    }
    json += "},\n  \"notices\": [";
    for (const std::string& notice : answer.notices)
        json += std::string(&notice == &answer.notices.front() ? "" : ", ") + Quoted(Utf8(notice));
    json += "],\n  \"diff\": " + Quoted(Utf8(answer.diff, answer.utf8));
    if (answer.status == 2)
        json += ",\n  \"error\": " + Quoted(Utf8(answer.error.Reason()));
    return json + "}";
}

void Write(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

}  // namespace

int PrintAnswers(const std::vector<FolderAnswer>& answers, bool json, bool gets)
{
    int worst = 0;
    for (const FolderAnswer& answer : answers)
        worst = answer.status > worst ? answer.status : worst;
    if (json) {
        std::string all = "[";
        for (const FolderAnswer& answer : answers)
            all += std::string(all.size() > 1 ? ",\n" : "") + AnswerJson(answer);
        Write(stdout, all + "]\n");
        return worst;
    }
    for (const FolderAnswer& answer : answers) {
        const std::string named = answers.size() > 1 ? (answer.folder.empty() ? "." : answer.folder) + ": " : "";
        for (const std::string& notice : answer.notices)
            Write(stderr, "skyvarn-check: " + named + notice + "\n");
        if (answer.status == 2)
            Write(stderr, "skyvarn-check: " + named + answer.error.Reason() + "\n");
        if (!gets) {
            Write(stdout, answer.status == 2 ? std::string() : answer.diff);
            continue;
        }
        for (const ShownValue& shown : answer.values)
            for (const std::string& value : shown.values)
                Write(stdout, named + shown.key + "=" + value + "\n");
    }
    return worst;
}

int PrintRefusal(const Refusal& refusal, bool json, const char* usage)
{
    if (json)
        Write(stdout, "{\"status\": 2, \"error\": " + Quoted(Utf8(refusal.Reason())) + "}\n");
    else
        Write(stderr, "skyvarn-check: " + refusal.Reason() + "\n" + (usage ? std::string(usage) + "\n" : ""));
    return 2;
}

void PrintText(const std::string& text, bool json, const char* name)
{
    Write(stdout, json ? "{" + Quoted(name) + ": " + Quoted(Utf8(text)) + "}\n" : text);
}

void PrintKeys(const std::vector<std::pair<std::string, std::string>>& keys, bool json)
{
    std::string text = json ? "{\"keys\": {" : "";
    for (const auto& [key, takes] : keys)
        text += json ? std::string(&key == &keys.front().first ? "" : ",") + "\n  " + Quoted(key) + ": " +
                           Quoted(Utf8(takes))
                     : key + ": " + takes + "\n";
    Write(stdout, json ? text + "}}\n" : text);
}
