// The class object of a class that sprite tables may name: it knows the registered name and
// makes a default instance. Class objects register themselves, during static initialisation,
// in a process-wide registry that forName searches.
#pragma once

#include "lang/String.h"

#include <new>

namespace lang {

class Class : public Object {
public:
    explicit Class(const String& name);
    ~Class() override;

    // The class object registered under `name`, or null; no reference is added (class objects
    // live until the process ends).
    static Class* forName(const String& name);

    const String& getName() const { return name; }
    // A new default instance with one reference for the caller, or null without memory.
    virtual Object* newInstance() const = 0;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override;

private:
    String name;
};

// The class object of T: T's nested class object type derives from it, for example
//     class ImageSprite : public SpriteBase {
//     public:
//         struct ImageSpriteClass : lang::ClassOf<ImageSprite> { using ClassOf::ClassOf; };
//         static ImageSpriteClass classObject;   // defined as ...classObject("Sprite");
template <class T>
class ClassOf : public Class {
public:
    using Class::Class;
    Object* newInstance() const override { return new (std::nothrow) T(); }
};

} // namespace lang
