#include "net/URL.h"

#include "net/URLConnection.h"

#include <cctype>
#include <cstring>

namespace net {

using lang::String;

namespace {

int32_t usualPort(const String& scheme)
{
    if (scheme.equalsIgnoreCase("http"))
        return 80;
    if (scheme.equalsIgnoreCase("https"))
        return 443;
    if (scheme.equalsIgnoreCase("ftp"))
        return 21;
    return 0;
}

bool isSchemeText(const String& text)
{
    if (text.isEmpty() || !std::isalpha(static_cast<unsigned char>(text.charAt(0))))
        return false;
    for (int32_t i = 0; i < text.length(); i++) {
        auto c = static_cast<unsigned char>(text.charAt(i));
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

// Bytes that may not stand in an address as they are: blanks, controls, non-ASCII and the
// characters the URL syntax calls unsafe. "%" and "#" stay: they are escapes and the fragment.
bool isUnsafe(unsigned char c)
{
    return c <= 0x20 || c >= 0x7F || std::strchr("\"<>\\^`{|}", c) != nullptr;
}

bool isHostText(const String& text)
{
    for (int32_t i = 0; i < text.length(); i++) {
        auto c = static_cast<unsigned char>(text.charAt(i));
        if (isUnsafe(c) || c == '/' || c == '?' || c == '#' || c == '@')
            return false;
    }
    return !text.isEmpty();
}

} // namespace

URL::URL(const String& text)
{
    valid = parse(text);
    if (!valid) {
        scheme = "";
        host = "";
        path = "";
        port = 0;
    }
}

bool URL::parse(const String& text)
{
    int32_t schemeEnd = text.indexOf("://");
    if (schemeEnd < 0)
        return false;
    scheme = text.substring(0, schemeEnd);
    if (!isSchemeText(scheme))
        return false;
    int32_t authorityStart = schemeEnd + 3;
    int32_t pathStart = authorityStart;
    while (pathStart < text.length() && !std::strchr("/?#", text.charAt(pathStart)))
        pathStart++;
    path = text.substring(pathStart);
    return parseAuthority(text.substring(authorityStart, pathStart));
}

// [user[:password]@]host[:port], the host possibly a bracketed IPv6 address.
bool URL::parseAuthority(const String& authority)
{
    String hostPort = authority.substring(authority.lastIndexOf('@') + 1);
    int32_t portColon = hostPort.lastIndexOf(':');
    if (portColon >= 0 && hostPort.indexOf(']', portColon) >= 0)
        portColon = -1;
    host = portColon < 0 ? hostPort : hostPort.substring(0, portColon);
    port = usualPort(scheme);
    if (portColon >= 0 && portColon + 1 < hostPort.length()) {
        String digits = hostPort.substring(portColon + 1);
        int32_t value = 0;
        for (int32_t i = 0; i < digits.length(); i++) {
            if (!std::isdigit(static_cast<unsigned char>(digits.charAt(i))) || i >= 5)
                return false;
            value = value * 10 + (digits.charAt(i) - '0');
        }
        if (value < 1 || value > 65535)
            return false;
        port = value;
    }
    return isHostText(host);
}

String URL::toString() const
{
    if (!valid)
        return String("");
    String text = scheme + "://" + host;
    if (port != usualPort(scheme))
        text.append(":").append(port);
    if (!path.isEmpty() && path.charAt(0) != '/')
        text.append('/');
    static const char hex[] = "0123456789ABCDEF";
    for (int32_t i = 0; i < path.length(); i++) {
        auto c = static_cast<unsigned char>(path.charAt(i));
        if (!isUnsafe(c)) {
            text.append(static_cast<char>(c));
            continue;
        }
        text.append('%').append(hex[c >> 4]).append(hex[c & 15]);
    }
    return text;
}

URLConnection* URL::openConnection() const
{
    return valid ? new URLConnection(*this) : nullptr;
}

bool URL::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "URL") == 0 || Object::isInstanceOf(className);
}

} // namespace net
