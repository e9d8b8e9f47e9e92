// The storage under the user settings: a tree of named keys holding typed values, the model of
// the desktop registry. Key paths are relative to the store's root key and separate names with
// "\"; empty names in a path are skipped. Key and value names compare without regard to ASCII
// case. A key named in any operation is created when it is missing, so reading a value below a
// new subkey creates that subkey. The store is used by one thread at a time (User serialises).
#pragma once

#include "lang/String.h"

#include <cstdint>
#include <vector>

namespace sprite {

class SettingsStore : public lang::Object {
public:
    // Value types, numbered as the registry numbers them.
    enum ValueType { TypeString = 1, TypeBinary = 3, TypeDword = 4 };

    struct Value {
        int32_t type = 0;
        std::vector<uint8_t> bytes;
    };

    // Groups writes into one transaction: everything between the outermost begin and end is
    // stored together or not at all.
    class WriteBatch {
    public:
        explicit WriteBatch(SettingsStore& store) : store(store) { store.beginWrite(); }
        ~WriteBatch() { store.endWrite(); }
        WriteBatch(const WriteBatch&) = delete;
        WriteBatch& operator=(const WriteBatch&) = delete;

    private:
        SettingsStore& store;
    };

    virtual bool getValue(const lang::String& keyPath, const lang::String& name, Value& out) = 0;
    virtual bool setValue(const lang::String& keyPath, const lang::String& name, int32_t type,
                          const uint8_t* bytes, size_t count) = 0;
    // False when there was no such value.
    virtual bool deleteValue(const lang::String& keyPath, const lang::String& name) = 0;
    // Deletes the key with its values and all keys below it; false when nothing was deleted.
    virtual bool deleteKey(const lang::String& keyPath) = 0;
    // The names of the direct subkeys, in the order of their names.
    virtual std::vector<lang::String> listSubkeys(const lang::String& keyPath) = 0;
    // Deletes the values of the key whose names are decimal numbers not below `first`: the
    // chunks that a shorter chunked value leaves behind.
    virtual void deleteNumberedValuesFrom(const lang::String& keyPath, int32_t first) = 0;
    // False for a store that keeps its values only in memory because its file cannot be used.
    virtual bool isPersistent() const = 0;
    // True when the last write (the outermost batch, or a single operation) was not stored: a
    // full disk, a lock that outlasted the wait, a failing file.
    virtual bool lastWriteFailed() const = 0;
    // How many times writes have started to fail: a failed write after one that was stored (or
    // after the opening) counts one. Whoever remembers it sees each new run of failures, however
    // quickly a stored write and a failed one follow each other.
    virtual int32_t getFailureRuns() const = 0;
    // What went wrong with the store's file when it was opened, in words for the player: saves
    // that will not be kept, or settings that were restored from a safety copy. Empty when
    // nothing did.
    virtual lang::String getTrouble() const = 0;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "SettingsStore"; }

protected:
    virtual void beginWrite() = 0;
    virtual void endWrite() = 0;
};

// Opens the store of the registry path "Software\Corvalen\" + name with the installed back end.
// Never null; the caller releases the store.
SettingsStore* openSettingsStore(const lang::String& name);

// The settings back end: opens the store of a registry name as openSettingsStore does.
using SettingsStoreOpener = SettingsStore* (*)(const lang::String& name);

// Installs the back end of openSettingsStore, before other threads start (src/sprite/settings/
// sqlite/ for SQLite files). Without one (or after installing null) every store is a null store:
// it keeps nothing, not even in memory, and says it is not persistent.
void installSettingsStore(SettingsStoreOpener opener);

} // namespace sprite
