// What a drawing device keeps of a picture: its textures on the card, made and read by the
// device target alone. A picture holds its record; when the pixels go away or the picture is
// destroyed (on whatever thread), the record joins a process-wide list that the device target
// empties on its own drawing thread as its next frame begins.
#pragma once

#include <memory>
#include <vector>

namespace window {

class ImageTextures {
public:
    virtual ~ImageTextures() = default;

    // Puts the record on the list of records to free.
    static void discard(std::unique_ptr<ImageTextures> record);
    // Takes every record given up so far.
    static std::vector<std::unique_ptr<ImageTextures>> takeDiscarded();
};

} // namespace window
