// The commands of kipto2-content-gen, one per kind of content. Each writes its files into
// an output folder and a list of package items ("NAME=PATH" lines) for the package writer.
#pragma once

#include <string>

namespace contentgen {

int makeSounds(const std::string& outDir, const std::string& listPath);
// Item pictures and item texts from the catalogue source.
int makeItems(const std::string& outDir, const std::string& listPath, const std::string& cataloguePath);

} // namespace contentgen
