#include "app/startup.h"

#include <algorithm>
#include <strings.h>

namespace {

bool EndsWithNoCase(std::string_view s, std::string_view suffix)
{
    return s.size() >= suffix.size() &&
           strncasecmp(s.data() + s.size() - suffix.size(), suffix.data(), suffix.size()) == 0;
}

}  // namespace

StartArgKind KindOfArgument(std::string_view path)
{
    if (path.empty())
        return StartArgKind::None;
    if (EndsWithNoCase(path, ".dpj"))
        return StartArgKind::Project;
    if (EndsWithNoCase(path, ".dcd"))
        return StartArgKind::Sheet;
    return StartArgKind::OtherFile;
}

CStartupPlan PlanStartup(const CStartupInputs& in)
{
    CStartupPlan plan;
    if (in.shellStart)
        return plan;
    const std::string newest = in.recentProjects.empty() ? std::string() : in.recentProjects.front();
    switch (KindOfArgument(in.argument)) {
    case StartArgKind::Project:
        plan.clearNoProj = true;
        plan.project = in.argument;
        plan.openProject = true;
        plan.includeUnchecked = in.projectAllFile == 1;
        plan.fallbackProject = newest;
        break;
    case StartArgKind::Sheet:
        plan.openFile = in.argument;
        if (in.noProj != 1)
            plan.project = newest;
        break;
    case StartArgKind::OtherFile:
        plan.openFile = in.argument;
        break;
    case StartArgKind::None:
        if (in.noProj != 1) {
            plan.project = newest;
            plan.openProject = !newest.empty() && in.projectAutoLoad != 0;
            plan.includeUnchecked = in.projectAllFile == 1;
        }
        break;
    }
    return plan;
}

CShellRequest ParseShellRequest(std::string_view command)
{
    static const struct {
        const char* prefix;
        CShellRequest::Verb verb;
    } verbs[] = {
        {"[open(\"", CShellRequest::Open},
        {"[print(\"", CShellRequest::Print},
        {"[printto(\"", CShellRequest::PrintTo},
    };
    CShellRequest request;
    for (const auto& v : verbs) {
        const std::string_view prefix = v.prefix;
        if (command.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view rest = command.substr(prefix.size());
        const size_t quote = rest.find('"');
        // A name without its closing quote is no request: taking the rest of
        // the line would open a file the shell never named.
        if (quote == std::string_view::npos)
            return request;
        request.verb = v.verb;
        request.file = std::string(rest.substr(0, quote));
        return request;
    }
    return request;
}

CInstanceRequest ParseInstanceMessage(int code, std::string_view data)
{
    CInstanceRequest request;
    if (code != kOpenFileMessageCode)
        return request;
    const size_t zero = data.find('\0');
    const std::string_view name = zero == std::string_view::npos ? data : data.substr(0, zero);
    if (EndsWithNoCase(name, ".dcd"))
        request.action = CInstanceRequest::OpenSheet;
    else if (EndsWithNoCase(name, ".dpj"))
        request.action = CInstanceRequest::OpenProject;
    else
        return request;
    request.file = std::string(name);
    return request;
}

int DocumentNumber(const std::string& path, bool projectSet,
                   const std::vector<std::string>& projectSheets,
                   const std::vector<std::string>& openDocuments)
{
    const std::vector<std::string>& list = projectSet ? projectSheets : openDocuments;
    const auto it = std::find(list.begin(), list.end(), path);
    return it == list.end() ? 0 : int(it - list.begin()) + 1;
}
