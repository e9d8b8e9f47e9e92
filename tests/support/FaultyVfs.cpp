#include "support/FaultyVfs.h"

#include <sqlite3.h>

#include <atomic>

namespace testing_support {

namespace {

std::atomic<bool> diskFull{false};
sqlite3_vfs* realVfs = nullptr;

// A file of the real file system behind the one SQLite sees.
struct FaultyFile {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* realOf(sqlite3_file* file)
{
    return reinterpret_cast<FaultyFile*>(file)->real;
}

int faultyWrite(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset)
{
    return diskFull ? SQLITE_FULL : realOf(file)->pMethods->xWrite(realOf(file), data, amount, offset);
}

int faultyTruncate(sqlite3_file* file, sqlite3_int64 size)
{
    return realOf(file)->pMethods->xTruncate(realOf(file), size);
}

int faultyClose(sqlite3_file* file)
{
    return realOf(file)->pMethods->xClose(realOf(file));
}

// The remaining methods hand the call to the real file.
const sqlite3_io_methods FaultyMethods = {
    3,
    faultyClose,
    [](sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
        return realOf(f)->pMethods->xRead(realOf(f), data, amount, offset);
    },
    faultyWrite,
    faultyTruncate,
    [](sqlite3_file* f, int flags) { return realOf(f)->pMethods->xSync(realOf(f), flags); },
    [](sqlite3_file* f, sqlite3_int64* size) { return realOf(f)->pMethods->xFileSize(realOf(f), size); },
    [](sqlite3_file* f, int lock) { return realOf(f)->pMethods->xLock(realOf(f), lock); },
    [](sqlite3_file* f, int lock) { return realOf(f)->pMethods->xUnlock(realOf(f), lock); },
    [](sqlite3_file* f, int* out) { return realOf(f)->pMethods->xCheckReservedLock(realOf(f), out); },
    [](sqlite3_file* f, int op, void* arg) { return realOf(f)->pMethods->xFileControl(realOf(f), op, arg); },
    [](sqlite3_file* f) { return realOf(f)->pMethods->xSectorSize(realOf(f)); },
    [](sqlite3_file* f) { return realOf(f)->pMethods->xDeviceCharacteristics(realOf(f)); },
    [](sqlite3_file* f, int page, int size, int extend, void volatile** out) {
        return realOf(f)->pMethods->xShmMap(realOf(f), page, size, extend, out);
    },
    [](sqlite3_file* f, int offset, int n, int flags) {
        return realOf(f)->pMethods->xShmLock(realOf(f), offset, n, flags);
    },
    [](sqlite3_file* f) { realOf(f)->pMethods->xShmBarrier(realOf(f)); },
    [](sqlite3_file* f, int remove) { return realOf(f)->pMethods->xShmUnmap(realOf(f), remove); },
    // No memory-mapped reads: every page goes through xRead.
    [](sqlite3_file*, sqlite3_int64, int, void** out) {
        *out = nullptr;
        return SQLITE_OK;
    },
    [](sqlite3_file*, sqlite3_int64, void*) { return SQLITE_OK; },
};

int faultyOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
{
    auto* faulty = reinterpret_cast<FaultyFile*>(file);
    faulty->real = reinterpret_cast<sqlite3_file*>(faulty + 1);
    faulty->base.pMethods = nullptr;
    const int result = realVfs->xOpen(realVfs, name, faulty->real, flags, outFlags);
    if (faulty->real->pMethods)
        faulty->base.pMethods = &FaultyMethods;
    return result;
}

} // namespace

void installFaultyVfs()
{
    static sqlite3_vfs faultyVfs;
    if (realVfs)
        return;
    realVfs = sqlite3_vfs_find(nullptr);
    faultyVfs = *realVfs;
    faultyVfs.zName = "faulty";
    faultyVfs.szOsFile = int(sizeof(FaultyFile)) + realVfs->szOsFile;
    faultyVfs.xOpen = faultyOpen;
    sqlite3_vfs_register(&faultyVfs, 1);
}

void setDiskFull(bool full)
{
    diskFull = full;
}

} // namespace testing_support
