#include "io/FileInputStream.h"

#include "lang/Exception.h"

#include <cstring>

namespace io {

using lang::String;

FileInputStream::FileInputStream(const String& path)
{
    open(path);
}

FileInputStream::FileInputStream(const char* path)
{
    open(String(path));
}

FileInputStream::FileInputStream(const String& directory, const String& name)
{
    String path(directory);
    if (!path.isEmpty() && !path.endsWith("/"))
        path.append('/');
    path.append(name);
    open(path);
}

FileInputStream::~FileInputStream()
{
    close();
}

void FileInputStream::open(const String& path)
{
    file = path.isEmpty() ? nullptr : std::fopen(path.c_str(), "rb");
    if (!file)
        throw new lang::Exception(String("Error Opening ") + path);
}

int32_t FileInputStream::read(uint8_t* buffer, int32_t offset, int32_t length)
{
    if (!file || length <= 0)
        return 0;
    return static_cast<int32_t>(std::fread(buffer + offset, 1, static_cast<size_t>(length), file));
}

int32_t FileInputStream::read()
{
    if (!file)
        return -1;
    const int c = std::fgetc(file);
    if (c == EOF) {
        if (std::ferror(file))
            throw new lang::Exception("File error");
        return -1;
    }
    return c;
}

void FileInputStream::close()
{
    if (file) {
        std::fclose(file);
        file = nullptr;
    }
}

void FileInputStream::reset()
{
    if (file)
        std::fseek(file, 0, SEEK_SET);
}

int32_t FileInputStream::skip(int32_t n)
{
    if (!file)
        return 0;
    const long before = std::ftell(file);
    std::fseek(file, n, SEEK_CUR);
    return static_cast<int32_t>(std::ftell(file) - before);
}

bool FileInputStream::seek(int64_t position)
{
    return file && std::fseek(file, static_cast<long>(position), SEEK_SET) == 0;
}

int64_t FileInputStream::size()
{
    if (!file)
        return -1;
    const long here = std::ftell(file);
    std::fseek(file, 0, SEEK_END);
    const long end = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return end;
}

bool FileInputStream::readWholeFile(const String& path, int64_t maxBytes, std::vector<uint8_t>& bytes)
{
    std::FILE* file = path.isEmpty() ? nullptr : std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes.clear();
    uint8_t chunk[8192];
    bool fits = true;
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
        if (int64_t(bytes.size() + got) > maxBytes) {
            fits = false;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    std::fclose(file);
    return fits;
}

bool FileInputStream::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "FileInputStream") == 0 || InputStream::isInstanceOf(className);
}

} // namespace io
