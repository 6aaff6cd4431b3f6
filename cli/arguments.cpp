#include "arguments.h"

#include "base/codepage.h"

bool ParseArguments(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                    const std::vector<std::string>& switches, Arguments& out, std::string& problem)
{
    const auto known = [](const std::vector<std::string>& list, const std::string& name) {
        for (const std::string& s : list)
            if (s == name)
                return true;
        return false;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            out.files.push_back(arg);
            continue;
        }
        const size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        if (known(valued, name)) {
            if (eq != std::string::npos) {
                out.options.emplace_back(name, arg.substr(eq + 1));
            } else if (i + 1 < args.size()) {
                out.options.emplace_back(name, args[++i]);
            } else {
                problem = name + " needs a value";
                return false;
            }
        } else if (eq == std::string::npos && known(switches, name)) {
            out.options.emplace_back(name, "");
        } else {
            problem = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

bool ToCp932(const std::string& utf8, CString& out)
{
    const CodepageResult converted = Utf8ToCp932(utf8);
    out = CString(converted.text);
    return converted.Ok();
}
