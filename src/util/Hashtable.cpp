#include "util/Hashtable.h"

#include "lang/SyncGuard.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace util {

using lang::Object;
using lang::String;

Hashtable::Hashtable(int32_t bucketCount)
    : buckets(bucketCount > 0 ? bucketCount : 1), table(new Entry*[static_cast<size_t>(buckets)]())
{
}

Hashtable::~Hashtable()
{
    clear();
    delete[] table;
}

int32_t Hashtable::bucketOf(const Object* key, int32_t bucketTotal) const
{
    return std::abs(key->hashCode() % bucketTotal);
}

void Hashtable::put(Object* key, Object* value)
{
    if (!key)
        return;
    SyncGuard guard(*this);
    key->addRef();
    if (value)
        value->addRef();
    Entry*& head = table[bucketOf(key, buckets)];
    head = new Entry{key, value, head};
    ++count;
    if (count * 2 > buckets)
        rehash();
}

void Hashtable::put(const String& key, Object* value)
{
    String* copy = new String(key);
    put(copy, value);
    copy->release();
}

void Hashtable::put(const char* key, Object* value)
{
    put(String(key), value);
}

void Hashtable::rehash()
{
    // Equal keys share a chain, newest first; walking each old chain from its tail and pushing
    // onto the new heads keeps that order, so a shadowed entry stays shadowed.
    const int32_t newBuckets = count * 4;
    Entry** newTable = new Entry*[static_cast<size_t>(newBuckets)]();
    std::vector<Entry*> chain;
    for (int32_t b = 0; b < buckets; ++b) {
        chain.clear();
        for (Entry* entry = table[b]; entry; entry = entry->next)
            chain.push_back(entry);
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            Entry*& head = newTable[bucketOf((*it)->key, newBuckets)];
            (*it)->next = head;
            head = *it;
        }
    }
    delete[] table;
    table = newTable;
    buckets = newBuckets;
}

Hashtable::Entry** Hashtable::findEntry(const Object* key) const
{
    if (!key)
        return nullptr;
    for (Entry** link = &table[bucketOf(key, buckets)]; *link; link = &(*link)->next) {
        if (key->equals((*link)->key))
            return link;
    }
    return nullptr;
}

Object* Hashtable::get(const Object* key) const
{
    SyncGuard guard(*this);
    Entry** link = findEntry(key);
    return link ? (*link)->value : nullptr;
}

Object* Hashtable::get(const char* key) const
{
    const String name(key, String::Borrow);
    return get(&name);
}

bool Hashtable::containsKey(const Object* key) const
{
    SyncGuard guard(*this);
    return findEntry(key) != nullptr;
}

bool Hashtable::containsKey(const char* key) const
{
    const String name(key, String::Borrow);
    return containsKey(&name);
}

bool Hashtable::remove(const Object* key)
{
    SyncGuard guard(*this);
    Entry** link = findEntry(key);
    if (!link)
        return false;
    Entry* entry = *link;
    *link = entry->next;
    --count;
    entry->key->release();
    if (entry->value)
        entry->value->release();
    delete entry;
    return true;
}

bool Hashtable::remove(const char* key)
{
    const String name(key, String::Borrow);
    return remove(&name);
}

void Hashtable::clear()
{
    SyncGuard guard(*this);
    for (int32_t b = 0; b < buckets; ++b) {
        Entry* entry = table[b];
        table[b] = nullptr;
        while (entry) {
            Entry* next = entry->next;
            entry->key->release();
            if (entry->value)
                entry->value->release();
            delete entry;
            entry = next;
        }
    }
    count = 0;
}

int32_t Hashtable::size() const
{
    SyncGuard guard(*this);
    return count;
}

Enumeration* Hashtable::snapshot(bool wantKeys) const
{
    SyncGuard guard(*this);
    HTEnum* result = new HTEnum(count);
    int32_t i = 0;
    for (int32_t b = 0; b < buckets; ++b) {
        for (Entry* entry = table[b]; entry; entry = entry->next) {
            Object* item = wantKeys ? entry->key : entry->value;
            if (item)
                item->addRef();
            result->items[i++] = item;
        }
    }
    return result;
}

Enumeration* Hashtable::keys() const
{
    return snapshot(true);
}

Enumeration* Hashtable::elements() const
{
    return snapshot(false);
}

bool Hashtable::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Hashtable") == 0 || Object::isInstanceOf(className);
}

Hashtable::HTEnum::HTEnum(int32_t count)
    : count(count), items(new Object*[static_cast<size_t>(count > 0 ? count : 1)]())
{
}

Hashtable::HTEnum::~HTEnum()
{
    for (int32_t i = 0; i < count; ++i) {
        if (items[i])
            items[i]->release();
    }
    delete[] items;
}

Object* Hashtable::HTEnum::nextElement()
{
    return position < count ? items[position++] : nullptr;
}

bool Hashtable::HTEnum::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "HTEnum") == 0 || std::strcmp(className, "Enumeration") == 0
        || Object::isInstanceOf(className);
}

} // namespace util
