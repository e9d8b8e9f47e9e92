// A chained hash table from objects to objects, holding a reference on every key and value.
// A second put of an equal key shadows the first instead of replacing it; the table rehashes to
// four buckets per entry once it holds more than half as many entries as buckets.
#pragma once

#include "lang/String.h"
#include "util/Enumeration.h"

namespace util {

class Hashtable : public lang::Object {
public:
    explicit Hashtable(int32_t bucketCount = 100);
    ~Hashtable() override;
    Hashtable(const Hashtable&) = delete;
    Hashtable& operator=(const Hashtable&) = delete;

    void put(lang::Object* key, lang::Object* value);
    // Stores a copy of the key.
    void put(const lang::String& key, lang::Object* value);
    void put(const char* key, lang::Object* value);
    // The newest value stored under an equal key, borrowed; null when there is none.
    lang::Object* get(const lang::Object* key) const;
    lang::Object* get(const lang::String& key) const { return get(static_cast<const lang::Object*>(&key)); }
    lang::Object* get(const char* key) const;
    bool containsKey(const lang::Object* key) const;
    bool containsKey(const char* key) const;
    // Removes the newest entry with an equal key; true when one was found.
    bool remove(const lang::Object* key);
    bool remove(const char* key);
    void clear();
    int32_t size() const;
    int32_t bucketCount() const { return buckets; }

    // Snapshots of the keys or values; the caller releases the enumeration.
    Enumeration* keys() const;
    Enumeration* elements() const;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Hashtable"; }

    // An enumeration over a snapshot of objects, holding a reference on each.
    class HTEnum : public Enumeration {
    public:
        explicit HTEnum(int32_t count);
        ~HTEnum() override;
        bool hasMoreElements() const override { return position < count; }
        lang::Object* nextElement() override;
        bool isInstanceOf(const char* className) const override;
        const char* getClassName() const override { return "HTEnum"; }

    private:
        friend class Hashtable;
        int32_t count;
        int32_t position = 0;
        lang::Object** items;
    };

private:
    struct Entry {
        lang::Object* key;
        lang::Object* value;
        Entry* next;
    };

    int32_t bucketOf(const lang::Object* key, int32_t bucketTotal) const;
    Entry** findEntry(const lang::Object* key) const;
    void rehash();
    Enumeration* snapshot(bool wantKeys) const;

    int32_t buckets;
    Entry** table;
    int32_t count = 0;
};

} // namespace util
