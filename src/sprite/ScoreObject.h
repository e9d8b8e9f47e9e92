// One record of a high-score table kept by the user settings store.
#pragma once

#include "lang/String.h"

#include <cstring>

namespace sprite {

class ScoreObject : public lang::Object {
public:
    ScoreObject(const lang::String& name, int32_t score, int32_t level, int32_t setting)
        : name(name), score(score), level(level), setting(setting) {}

    bool isInstanceOf(const char* className) const override
    {
        return std::strcmp(className, "ScoreObject") == 0 || Object::isInstanceOf(className);
    }
    const char* getClassName() const override { return "ScoreObject"; }

    lang::String name;
    int32_t score;
    int32_t level;
    int32_t setting;
};

} // namespace sprite
