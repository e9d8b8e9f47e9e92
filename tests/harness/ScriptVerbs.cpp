#include "ScriptVerbs.h"

#include <map>
#include <utility>

namespace harness {

namespace {

// Function-local tables: registrations run during static initialisation, in any file order.
std::map<std::string, VerbInfo>& verbs()
{
    static std::map<std::string, VerbInfo> table;
    return table;
}

struct OptionInfo {
    Option::Kind kind;
    Option::Handler handler;
};

std::map<std::string, OptionInfo>& options()
{
    static std::map<std::string, OptionInfo> table;
    return table;
}

} // namespace

Verb::Verb(const char* name, size_t minArguments, When when, VerbHandler handler)
{
    verbs()[name] = VerbInfo{minArguments, when == NeedsProgram, std::move(handler)};
}

const VerbInfo* Verb::find(const std::string& name)
{
    auto found = verbs().find(name);
    return found == verbs().end() ? nullptr : &found->second;
}

Option::Option(const char* name, Kind kind, Handler handler)
{
    options()[name] = OptionInfo{kind, std::move(handler)};
}

bool Option::apply(const std::string& name, const std::string& value)
{
    auto found = options().find(name);
    if (found == options().end())
        return false;
    found->second.handler(value);
    return true;
}

bool Option::takesValue(const std::string& name)
{
    auto found = options().find(name);
    return found != options().end() && found->second.kind == TakesValue;
}

} // namespace harness
