#include "version/Version.h"

#include "version/VersionStamp.h"

#include <string>

namespace version {

const char* number()
{
    return stamp::Number;
}

const char* commit()
{
    return stamp::Commit;
}

const char* describe()
{
    static const std::string text = stamp::Commit[0] ? std::string(stamp::Number) + " (" + stamp::Commit + ")"
                                                     : std::string(stamp::Number);
    return text.c_str();
}

const char* build()
{
    return stamp::Build;
}

} // namespace version
