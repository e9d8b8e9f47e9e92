#include "PackageWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

void appendUint32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

} // namespace

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool PackageWriter::add(const std::string& name, std::vector<uint8_t> bytes, std::string& error)
{
    if (name.empty() || name.size() > 255) {
        error = "item name must have 1 to 255 bytes: \"" + name + "\"";
        return false;
    }
    items.push_back(Item{name, std::move(bytes)});
    return true;
}

bool PackageWriter::addFolder(const std::string& folder, std::string& error)
{
    std::error_code failure;
    std::vector<std::pair<std::string, fs::path>> files;
    for (fs::recursive_directory_iterator it(folder, failure), end; !failure && it != end; it.increment(failure)) {
        if (it->is_regular_file())
            files.emplace_back(it->path().lexically_relative(folder).generic_string(), it->path());
    }
    if (failure) {
        error = "cannot read folder " + folder + ": " + failure.message();
        return false;
    }
    std::sort(files.begin(), files.end());
    for (const auto& [name, path] : files) {
        std::vector<uint8_t> bytes;
        if (!readWholeFile(path.string(), bytes)) {
            error = "cannot read " + path.string();
            return false;
        }
        if (!add(name, std::move(bytes), error))
            return false;
    }
    return true;
}

bool PackageWriter::write(const std::string& path, std::string& error) const
{
    uint64_t directorySize = 0;
    for (const Item& item : items)
        directorySize += 1 + item.name.size() + 8;
    uint64_t offset = 12 + directorySize;

    std::vector<uint8_t> head;
    appendUint32(head, 0); // first word
    appendUint32(head, 0); // header block size
    appendUint32(head, static_cast<uint32_t>(items.size()));
    for (const Item& item : items) {
        if (offset + item.bytes.size() > UINT32_MAX) {
            error = "package would exceed 4 GiB at item " + item.name;
            return false;
        }
        head.push_back(static_cast<uint8_t>(item.name.size()));
        head.insert(head.end(), item.name.begin(), item.name.end());
        appendUint32(head, static_cast<uint32_t>(offset));
        appendUint32(head, static_cast<uint32_t>(item.bytes.size()));
        offset += item.bytes.size();
    }

    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));
        for (const Item& item : items)
            out.write(reinterpret_cast<const char*>(item.bytes.data()), static_cast<std::streamsize>(item.bytes.size()));
        if (!out.flush()) {
            error = "cannot write " + temporary;
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code failure;
    fs::rename(temporary, path, failure);
    if (failure) {
        error = "cannot replace " + path + ": " + failure.message();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
