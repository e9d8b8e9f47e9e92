#include "game/blitz/ScoreServiceLocation.h"

#include "lang/ResourceFile.h"
#include "sprite/User.h"

#include <cstdlib>

ScoreServiceLocation ScoreServiceLocation::find(sprite::User* user)
{
    if (const char* base = std::getenv(EnvironmentVariable); base && *base)
        return fromBase(base);
    lang::String list = lang::ResourceFile::loadText("CVS_GET_URL");
    lang::String submit = lang::ResourceFile::loadText("CVS_PUT_URL");
    if (user) {
        list = user->getString("SCOREGETURL", list);
        submit = user->getString("SCOREPUTURL", submit);
    }
    return ScoreServiceLocation(list, submit);
}

ScoreServiceLocation ScoreServiceLocation::fromBase(const lang::String& base)
{
    lang::String root = base.trim();
    while (root.endsWith("/"))
        root = root.substring(0, root.length() - 1);
    return ScoreServiceLocation(root + ListPath, root + SubmitPath);
}
