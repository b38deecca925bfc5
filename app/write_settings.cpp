#include "app/write_settings.h"

#include "app/error_box.h"
#include "settings/settings_file.h"

namespace {

// "a, b, c and d", at most five names and then how many more.
std::string Listed(const std::vector<std::string>& names)
{
    const std::size_t shown = names.size() > 6 ? 5 : names.size();
    std::string text;
    for (std::size_t index = 0; index < shown; ++index)
        text += (index == 0 ? "" : index + 1 == names.size() ? " and " : ", ") + names[index];
    if (shown < names.size())
        text += " and " + std::to_string(names.size() - shown) + " more";
    return text;
}

bool AskToOverwrite(HWND owner, const std::vector<std::string>& names, const WriteWording& wording)
{
    const bool one = names.size() == 1;
    const std::string text = std::string("Another program has changed ") + (one ? "this setting" : "these settings") +
                             " of qv3server.ini since " + wording.since + ": " + Listed(names) + ".  " +
                             wording.would + (one ? " it." : " them.") + "\n\nWrite over " + (one ? "it" : "them") +
                             "?  (No writes nothing.)";
    return MessageBoxA(owner, text.c_str(), "Changed by Another Program",
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

// The names of the settings of `owned` another program changed since `baseline` (to a value, not away)
// that `after` changes again: a key by its name, a section as [Name].
std::vector<std::string> OverwrittenSettings(const std::vector<OwnedSetting>& owned, const SettingValues& baseline,
                                             const SettingValues& now, const SettingValues& after)
{
    std::vector<std::string> names;
    for (std::size_t index = 0; index < owned.size(); ++index) {
        if (now[index] == MissingSetting || now[index] == baseline[index] || after[index] == now[index])
            continue;
        const OwnedSetting& setting = owned[index];
        names.emplace_back(setting.key ? setting.key : "[");
        if (!setting.key)
            names.back().append(setting.section).append("]");
    }
    return names;
}

}  // namespace

ShownSettings ReadShownSettings(const std::vector<OwnedSetting>& owned, JournalNote* note)
{
    ShownSettings shown;
    shown.unread = OpenSettingsFile(note);
    shown.values = ReadSettingValues(owned);
    return shown;
}

bool WriteSettings(HWND owner, const std::vector<OwnedSetting>& owned, ShownSettings& shown,
                   const WriteWording& wording, Refusal (*store)(const void* context), const void* context)
{
    if (shown.unread) {
        ShowError(owner, wording.unread);
        return false;
    }
    SettingValues accepted;   // the file's values the operator agreed to write over
    for (bool asked = false;;) {
        SettingsFileTurn turn(ProfilePath, Turn::Writing);
        Refusal refusal = turn.Refusal();
        if (refusal.IsBusy())
            refusal = refusal.Reason() + "  Nothing was written.  Try again in a moment.";
        JournalNote note;
        if (!refusal)
            if (Refusal unread = OpenSettingsFile(&note))
                refusal = unread.Reason() + "  Nothing was written.  Close the program that holds it, then try again.";
        if (!refusal && note.kind == JournalNote::KeptAside)
            refusal = KeptAsideText(note) + "  Nothing was written: build again to write what is shown.";
        const SettingValues now = refusal ? SettingValues() : ReadSettingValues(owned);
        if (!refusal)
            refusal = store(context);
        if (refusal) {
            ShowError(owner, refusal.Reason());
            return false;
        }
        const SettingValues after = ReadSettingValues(owned);
        const std::vector<std::string> overwritten = OverwrittenSettings(owned, shown.values, now, after);
        if (!overwritten.empty() && !(asked && now == accepted)) {
            turn.End();
            if (!AskToOverwrite(owner, overwritten, wording))
                return false;
            accepted = now;
            asked = true;
            continue;
        }
        if (Refusal refused = SaveSettingsFile()) {
            ShowError(owner, refused.Reason());
            return false;
        }
        shown.values = after;
        return true;
    }
}
