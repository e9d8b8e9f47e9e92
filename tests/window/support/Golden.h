// Reference pictures: tests/data/window/<name>.png compared pixel for pixel. A missing
// reference fails; a run with KIPTO2_UPDATE_GOLDEN set writes the picture there instead (look
// at it before committing it); a mismatch leaves the actual picture beside the test program.
#pragma once

#include <gtest/gtest.h>

namespace window {
class ImageBase;
}

namespace testing_pictures {

::testing::AssertionResult matchesGolden(window::ImageBase& image, const char* name);

} // namespace testing_pictures
