// The HTTP transport over libcurl's easy interface.
#pragma once

#include "net/HttpGet.h"

namespace net {

class CurlHttpGet : public HttpTransport {
public:
    bool get(const lang::String& url, int32_t timeoutMs, std::vector<uint8_t>& body) override;
};

} // namespace net
