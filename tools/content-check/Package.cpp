#include "Package.h"

#include "lang/ResourceItem.h"

#include <fstream>

namespace contentcheck {

Package::Package(const std::string& path) : header_(lang::adopt(new lang::ResourceFileHeader(lang::String(path.c_str())))) {}

std::optional<std::vector<uint8_t>> Package::item(const std::string& name) const
{
    lang::Ref<lang::ResourceItem> found = lang::adopt(header_->getItem(lang::String(name.c_str()), false));
    if (!found)
        return std::nullopt;
    const uint8_t* data = found->getData();
    return std::vector<uint8_t>(data, data + found->getSize());
}

void Package::readList(const std::string& listPath)
{
    std::ifstream in(listPath);
    for (std::string line; std::getline(in, line);) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos && line.rfind("--", 0) != 0)
            sources_[line.substr(0, equals)] = line.substr(equals + 1);
    }
}

std::string Package::sourceOf(const std::string& name) const
{
    const auto found = sources_.find(name);
    return found == sources_.end() ? name : found->second;
}

} // namespace contentcheck
