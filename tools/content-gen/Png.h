// PNG files of the generator: 8-bit RGBA (colour type 6) written with fixed settings and no
// time stamp, so the same picture always gives the same bytes; read back for the checker
// and the tests.
#pragma once

#include "Raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace contentgen {

std::vector<uint8_t> encodePng(int width, int height, const std::vector<uint8_t>& rgba);
std::vector<uint8_t> encodePng(const Picture& picture);
void writePng(const std::string& path, const Picture& picture);

// Decodes a PNG with the engine's decoder into 8-bit RGBA; false when the game could not
// read it either.
bool decodePng(const std::vector<uint8_t>& bytes, int& width, int& height, std::vector<uint8_t>& rgba);
// A PNG file as a picture; throws std::runtime_error when it cannot be read.
Picture readPng(const std::string& path);

} // namespace contentgen
