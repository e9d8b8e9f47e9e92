// Builds the bytes of an image bundle: named picture files, each scrambled with the bundle key,
// behind a big-endian header (the format in sprite/ImageBundleFormat.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BundleEntry {
    std::string name;
    std::vector<uint8_t> bytes;
};

// False (with a message) when a name is too long or the bundle would exceed the size limit.
bool writeBundle(const std::vector<BundleEntry>& entries, std::vector<uint8_t>& out, std::string& error);

// The entries of a bundle as the loader reads them; false when the header is outside the limits.
bool readBundle(const std::vector<uint8_t>& bytes, std::vector<BundleEntry>& entries, std::string& error);
