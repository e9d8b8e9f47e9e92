// The one exception type: a message. Thrown as `throw new lang::Exception(...)`; whoever
// catches the pointer reads the message and releases it.
#pragma once

#include "lang/String.h"

namespace lang {

class Exception : public Object {
public:
    explicit Exception(const char* message);
    explicit Exception(const String& message);

    const String& getMessage() const { return message; }
    String toString() const override;
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override;

private:
    String message;
};

} // namespace lang
