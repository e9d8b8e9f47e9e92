// Reads a file on disk. Opening a file that cannot be read throws "Error Opening " + path.
#pragma once

#include "io/InputStream.h"
#include "lang/String.h"

#include <cstdio>
#include <vector>

namespace io {

class FileInputStream : public InputStream {
public:
    explicit FileInputStream(const lang::String& path);
    explicit FileInputStream(const char* path);
    // The name is joined to the directory with a "/" unless the directory is empty or ends
    // with one already.
    FileInputStream(const lang::String& directory, const lang::String& name);
    ~FileInputStream() override;

    int32_t read(uint8_t* buffer, int32_t offset, int32_t length) override;
    // Throws "File error" when the file cannot be read.
    int32_t read() override;
    void close() override;
    void reset() override;
    int32_t skip(int32_t n) override;

    // Moves to an absolute position; false when the file refuses.
    bool seek(int64_t position);
    // The size of the file in bytes, or -1 when closed.
    int64_t size();

    // The whole file, read to its end whatever its kind; false when it cannot be opened or holds
    // more than `maxBytes`.
    static bool readWholeFile(const lang::String& path, int64_t maxBytes, std::vector<uint8_t>& bytes);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "FileInputStream"; }

private:
    void open(const lang::String& path);

    std::FILE* file = nullptr;
};

} // namespace io
