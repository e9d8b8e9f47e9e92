// Collects named items and writes them as one package file: a zero first word, an empty header
// block, the directory in the order the items were added, then the items' bytes one after the
// other. The same items in the same order always give the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class PackageWriter {
public:
    // False, with a message in `error`, when the name is empty or longer than 255 bytes.
    bool add(const std::string& name, std::vector<uint8_t> bytes, std::string& error);
    // Adds every regular file under `folder`, named by its relative path with "/" between
    // folders, in byte order of the names.
    bool addFolder(const std::string& folder, std::string& error);
    // Writes the package to `path` through a temporary file beside it, so that a failed run
    // leaves no half-written package.
    bool write(const std::string& path, std::string& error) const;

private:
    struct Item {
        std::string name;
        std::vector<uint8_t> bytes;
    };
    std::vector<Item> items;
};

// The whole content of a file; false when it cannot be read.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
