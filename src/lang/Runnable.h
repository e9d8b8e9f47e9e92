// Something a thread can run. An interface beside lang::Object: a class that derives from
// both gets its counting and locking from Object.
#pragma once

#include "lang/ObjectI.h"

namespace lang {

class Runnable : public virtual ObjectI {
public:
    virtual void run() = 0;

protected:
    ~Runnable() = default;
};

} // namespace lang
