#include "app/edit/findoptions.h"

#include <algorithm>
#include <cstdlib>

#include "app/settings.h"
#include "base/profile.h"

namespace {

struct KindName {
    int bit;
    const char* name;
};

const KindName kKinds[] = {
    {findkind::kPartName, "partname"},   {findkind::kReference, "reference"},
    {findkind::kValue, "value"},         {findkind::kPinName, "pinname"},
    {findkind::kPinNumber, "pinnumber"}, {findkind::kPartText, "parttext"},
    {findkind::kSignal, "signal"},       {findkind::kText, "text"},
};

std::string HistoryKey(int n)
{
    return "Find" + std::to_string(n);
}

} // namespace

CString CFindOptions::SearchString() const
{
    if (history.empty())
        return CString();
    CString s = history.front();
    s.TrimRight();
    return s;
}

bool CFindOptions::Push(const CString& text)
{
    if (text.IsEmpty())
        return false;
    const auto old = std::find(history.begin(), history.end(), text);
    if (old != history.end())
        history.erase(old);
    history.insert(history.begin(), text);
    if (history.size() > size_t(kHistorySize))
        history.resize(kHistorySize);
    return true;
}

CFindOptions CFindOptions::Load()
{
    CFindOptions o;
    CProfile& profile = Profile();
    for (int n = 1; n <= kHistorySize; ++n) {
        CString s = profile.GetString("Find", HistoryKey(n).c_str(), CString());
        if (s.IsEmpty())
            break;
        o.history.push_back(s);
    }
    o.target = SettingInt("Find", "Target");
    o.matchCase = SettingInt("Find", "MatchCase") != 0;
    o.word = SettingInt("Find", "Word") != 0;
    o.hide = SettingInt("Find", "Hide") != 0;
    o.allSheet = SettingInt("Find", "AllSheet") != 0;
    o.selectItem = SettingInt("Find", "SelectItem") != 0;
    return o;
}

void CFindOptions::Save() const
{
    CProfile& profile = Profile();
    for (int n = 1; n <= kHistorySize; ++n) {
        const size_t i = size_t(n - 1);
        if (i < history.size())
            profile.WriteString("Find", HistoryKey(n).c_str(), history[i]);
        else
            profile.DeleteKey("Find", HistoryKey(n).c_str());
    }
    profile.WriteInt("Find", "Target", target);
    profile.WriteInt("Find", "MatchCase", matchCase);
    profile.WriteInt("Find", "Word", word);
    profile.WriteInt("Find", "Hide", hide);
    profile.WriteInt("Find", "AllSheet", allSheet);
    profile.WriteInt("Find", "SelectItem", selectItem);
}

bool ParseFindKinds(const std::string& list, int& mask, std::string& bad)
{
    if (!list.empty() && std::isdigit(static_cast<unsigned char>(list[0]))) {
        char* end = nullptr;
        const long v = std::strtol(list.c_str(), &end, 0);
        if (*end != '\0' || v < 0 || (v & ~long(findkind::kAll)) != 0) {
            bad = list;
            return false;
        }
        mask = int(v);
        return true;
    }
    int out = 0;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string::npos)
            comma = list.size();
        const std::string word = list.substr(start, comma - start);
        if (word == "all") {
            out |= findkind::kAll;
        } else if (!word.empty()) {
            const auto it = std::find_if(std::begin(kKinds), std::end(kKinds),
                                         [&](const KindName& k) { return word == k.name; });
            if (it == std::end(kKinds)) {
                bad = word;
                return false;
            }
            out |= it->bit;
        }
        start = comma + 1;
    }
    if (out == 0) {
        bad = list;
        return false;
    }
    mask = out;
    return true;
}

const char* FindKindName(int bit)
{
    for (const KindName& k : kKinds)
        if (k.bit == bit)
            return k.name;
    return "";
}

bool ApplyFindFields(const std::vector<std::pair<std::string, std::string>>& fields,
                     CFindOptions& options, std::string& error)
{
    for (const auto& [name, value] : fields) {
        if (name == "kinds" || name == "target") {
            std::string bad;
            if (!ParseFindKinds(value, options.target, bad)) {
                error = "unknown kind '" + bad + "'";
                return false;
            }
            continue;
        }
        bool* flag = name == "matchcase"    ? &options.matchCase
                     : name == "word"       ? &options.word
                     : name == "hide"       ? &options.hide
                     : name == "allsheet"   ? &options.allSheet
                     : name == "selectitem" ? &options.selectItem
                                            : nullptr;
        if (!flag) {
            error = "unknown find option '" + name + "'";
            return false;
        }
        if (value != "0" && value != "1") {
            error = "find option " + name + " takes 0 or 1";
            return false;
        }
        *flag = value == "1";
    }
    return true;
}
