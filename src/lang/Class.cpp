#include "lang/Class.h"

#include "util/Hashtable.h"

#include <cstring>

namespace lang {

namespace {

// Null while no class is registered. Filled and emptied on one thread, during static
// initialisation and process exit.
util::Hashtable* registry = nullptr;

} // namespace

Class::Class(const String& name) : name(name)
{
    if (!registry)
        registry = new util::Hashtable();
    registry->put(name, this);
}

Class::~Class()
{
    if (!registry)
        return;
    // Static class objects keep their first reference for good, so taking the registry's
    // reference back never destroys them a second time.
    registry->remove(&name);
    if (registry->size() == 0) {
        registry->release();
        registry = nullptr;
    }
}

Class* Class::forName(const String& name)
{
    if (!registry)
        return nullptr;
    return static_cast<Class*>(registry->get(&name));
}

bool Class::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Class") == 0 || Object::isInstanceOf(className);
}

const char* Class::getClassName() const
{
    return "Class";
}

} // namespace lang
