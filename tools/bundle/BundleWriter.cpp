#include "BundleWriter.h"

#include "sprite/ImageBundleFormat.h"

#include <algorithm>

namespace {

void appendBigEndian(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(value >> shift));
}

uint32_t bigEndianAt(const std::vector<uint8_t>& bytes, size_t at)
{
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 | uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

} // namespace

bool writeBundle(const std::vector<BundleEntry>& entries, std::vector<uint8_t>& out, std::string& error)
{
    if (entries.empty()) {
        error = "a bundle holds at least one picture";
        return false;
    }
    out.clear();
    appendBigEndian(out, uint32_t(entries.size()));
    appendBigEndian(out, 0); // the total size, filled in below
    for (const BundleEntry& entry : entries) {
        // The name field holds the name and its terminating zero in at most 255 bytes.
        if (entry.name.empty() || entry.name.size() > 254 || entry.name.find('\0') != std::string::npos) {
            error = "picture names have 1 to 254 bytes: \"" + entry.name + "\"";
            return false;
        }
        if (entry.bytes.size() > sprite::bundle::MaxTotalBytes) {
            error = "picture too large: " + entry.name;
            return false;
        }
        appendBigEndian(out, uint32_t(entry.bytes.size()));
        out.push_back(uint8_t(entry.name.size() + 1));
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        out.push_back(0);
        for (uint8_t byte : entry.bytes)
            out.push_back(byte ^ sprite::bundle::Key);
        if (out.size() > sprite::bundle::MaxTotalBytes) {
            error = "the bundle would exceed " + std::to_string(sprite::bundle::MaxTotalBytes) + " bytes";
            return false;
        }
    }
    const uint32_t total = uint32_t(out.size());
    for (int i = 0; i < 4; ++i)
        out[4 + i] = uint8_t(total >> (24 - 8 * i));
    return true;
}

bool readBundle(const std::vector<uint8_t>& bytes, std::vector<BundleEntry>& entries, std::string& error)
{
    entries.clear();
    if (bytes.size() < sprite::bundle::HeaderBytes) {
        error = "shorter than a bundle header";
        return false;
    }
    const uint32_t count = bigEndianAt(bytes, 0);
    const uint32_t total = bigEndianAt(bytes, 4);
    if (count < 1 || total > sprite::bundle::MaxTotalBytes || total < 4ull * count) {
        error = "header outside the limits (count " + std::to_string(count) + ", total " + std::to_string(total) + ")";
        return false;
    }
    size_t at = sprite::bundle::HeaderBytes;
    for (uint32_t i = 0; i < count; ++i) {
        if (at + 5 > bytes.size())
            break;
        const uint32_t length = bigEndianAt(bytes, at);
        const size_t nameLength = bytes[at + 4];
        at += 5;
        if (at + nameLength > bytes.size())
            break;
        BundleEntry entry;
        entry.name.assign(reinterpret_cast<const char*>(&bytes[at]), nameLength);
        entry.name.resize(entry.name.find('\0') == std::string::npos ? entry.name.size() : entry.name.find('\0'));
        at += nameLength;
        if (length == 0)
            continue;
        if (length > total - std::min<size_t>(at, total) || at + length > bytes.size())
            break;
        entry.bytes.assign(bytes.begin() + long(at), bytes.begin() + long(at + length));
        for (uint8_t& byte : entry.bytes)
            byte ^= sprite::bundle::Key;
        at += length;
        entries.push_back(std::move(entry));
    }
    return true;
}
