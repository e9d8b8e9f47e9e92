// A parsed web address: scheme, host, port and the path with its query. Only addresses of the
// form scheme://[user@]host[:port][/path][?query][#fragment] are valid; a missing port is the
// scheme's usual one (80 for http, 443 for https, 21 for ftp, else 0).
#pragma once

#include "lang/String.h"

namespace net {

class URLConnection;

class URL : public lang::Object {
public:
    explicit URL(const lang::String& text);
    URL(const URL& other) = default;
    URL& operator=(const URL& other) = default;

    bool isValid() const { return valid; }
    const lang::String& getScheme() const { return scheme; }
    const lang::String& getHost() const { return host; }
    int32_t getPort() const { return port; }
    // The path followed directly by the query, "?" included.
    const lang::String& getPath() const { return path; }

    // The address rebuilt from its parts, with unsafe characters of the path escaped as %XX
    // and the port left out when it is the scheme's usual one.
    lang::String toString() const override;
    // A new connection holding a copy of this address, not yet connected; null when the
    // address is not valid. The caller releases it.
    URLConnection* openConnection() const;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "URL"; }

private:
    bool parse(const lang::String& text);
    bool parseAuthority(const lang::String& authority);

    lang::String scheme;
    int32_t port = 0;
    lang::String host;
    lang::String path;
    bool valid = false;
};

} // namespace net
