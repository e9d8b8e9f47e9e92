#include "net/curl/CurlHttpGet.h"

#include <curl/curl.h>

#include <mutex>

namespace net {

namespace {

// Appends what arrives to the body; a body that would pass the cap ends the transfer.
size_t collectBody(char* data, size_t size, size_t count, void* target)
{
    auto* body = static_cast<std::vector<uint8_t>*>(target);
    size_t bytes = size * count;
    if (body->size() + bytes > static_cast<size_t>(HttpGet::MaxBodyBytes))
        return 0;
    body->insert(body->end(), data, data + bytes);
    return bytes;
}

void initialiseLibraryOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Owns one easy handle and its header list.
class Transfer {
public:
    Transfer() : curl(curl_easy_init()) {}
    ~Transfer()
    {
        curl_easy_cleanup(curl);
        curl_slist_free_all(headers);
    }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    bool get(const lang::String& url, long timeoutMs, std::vector<uint8_t>& body)
    {
        if (!curl)
            return false;
        // The no-cache pair asks every cache on the way to fetch the answer anew.
        headers = curl_slist_append(headers, "Cache-Control: no-cache");
        headers = curl_slist_append(headers, "Pragma: no-cache");
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
        curl_easy_setopt(curl, CURLOPT_USERAGENT, HttpGet::UserAgent);
        curl_easy_setopt(curl, CURLOPT_REFERER, HttpGet::Referrer);
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(curl, CURLOPT_MAXREDIRS, static_cast<long>(HttpGet::MaxRedirects));
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs);
        // Time-outs without signals: the game has several threads.
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        // An error status ends the transfer before its body is read.
        curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(HttpGet::MaxBodyBytes));
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collectBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);

        CURLcode result = curl_easy_perform(curl);
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        return result == CURLE_OK && status == 200;
    }

private:
    CURL* curl;
    curl_slist* headers = nullptr;
};

} // namespace

bool CurlHttpGet::get(const lang::String& url, int32_t timeoutMs, std::vector<uint8_t>& body)
{
    initialiseLibraryOnce();
    Transfer transfer;
    return transfer.get(url, timeoutMs, body);
}

} // namespace net
