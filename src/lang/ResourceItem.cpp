#include "lang/ResourceItem.h"

#include <cstring>

namespace lang {

bool ResourceItem::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ResourceItem") == 0 || Object::isInstanceOf(className);
}

bool FileItem::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "FileItem") == 0 || ResourceItem::isInstanceOf(className);
}

bool DLLItem::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "DLLItem") == 0 || ResourceItem::isInstanceOf(className);
}

} // namespace lang
