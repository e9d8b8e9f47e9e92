#include "game/Kipto2Canvas.h"

#include "lang/ResourceFile.h"

#include <atomic>
#include <cstring>

namespace {

std::atomic<Kipto2Canvas*> instance{nullptr};

} // namespace

Kipto2Canvas::Kipto2Canvas()
{
    instance = this;
}

Kipto2Canvas::~Kipto2Canvas()
{
    Kipto2Canvas* self = this;
    instance.compare_exchange_strong(self, nullptr);
}

Kipto2Canvas* Kipto2Canvas::getInstance()
{
    return instance;
}

void Kipto2Canvas::setup(const lang::String& baseDir, sprite::User* resolver, const lang::String& dataFile, int32_t option)
{
    GameCanvas3::setup(baseDir, resolver, dataFile, option);
    if (dataFile.isEmpty())
        this->dataFile = lang::ResourceFile::loadText("REGISTRYNAME") + ".dat";
}

bool Kipto2Canvas::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Kipto2Canvas") == 0 || GameCanvas3::isInstanceOf(className);
}
