#include "window/Event.h"

#include <cstring>

namespace window {

Event::Event(int32_t id, int32_t x, int32_t y, int32_t modifiers, int32_t keyCode, uint32_t time)
    : id(id), x(x), y(y), modifiers(modifiers), keyCode(keyCode), time(time)
{
}

Event::Event(lang::Object* source, lang::Object* argument) : id(Action)
{
    setSource(source);
    setArgument(argument);
}

Event::~Event()
{
    setArgument(nullptr);
    setSource(nullptr);
}

static void replaceReference(lang::Object*& field, lang::Object* value)
{
    if (value)
        value->addRef();
    if (field)
        field->release();
    field = value;
}

void Event::setArgument(lang::Object* newArgument)
{
    replaceReference(argument, newArgument);
}

void Event::setSource(lang::Object* newSource)
{
    replaceReference(source, newSource);
}

bool Event::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Event") == 0 || Object::isInstanceOf(className);
}

const char* Event::getClassName() const
{
    return "Event";
}

} // namespace window
