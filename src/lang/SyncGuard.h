// Holds an object's monitor for the length of a scope. Asked to, it also holds a reference on
// the object, for a guard on an object that another thread might release meanwhile; a method
// guarding its own object relies on its caller's reference (and must, inside a destructor).
#pragma once

#include "lang/ObjectI.h"

class SyncGuard {
public:
    enum Ownership { TakeReference, CallerReferenceSuffices };

    explicit SyncGuard(const lang::ObjectI* object, Ownership ownership = CallerReferenceSuffices)
        : guarded(object), tookReference(ownership == TakeReference)
    {
        if (tookReference)
            guarded->addRef();
        guarded->lock();
    }
    explicit SyncGuard(const lang::ObjectI& object, Ownership ownership = CallerReferenceSuffices)
        : SyncGuard(&object, ownership) {}

    ~SyncGuard()
    {
        guarded->unlock();
        if (tookReference)
            guarded->release();
    }

    SyncGuard(const SyncGuard&) = delete;
    SyncGuard& operator=(const SyncGuard&) = delete;

private:
    const lang::ObjectI* guarded;
    bool tookReference;
};
