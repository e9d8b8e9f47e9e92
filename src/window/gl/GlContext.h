// An OpenGL context of one window, as the platform layer makes it: the OpenGL window target
// draws through it without knowing the platform. Only one thread at a time holds it current;
// acquire and release nest on that thread.
#pragma once

#include <cstdint>

namespace window::gl {

// Where the picture lies in the window's drawable, in drawable pixels (rows counted from the
// top), and the drawable's size.
struct PresentArea {
    int32_t drawableWidth = 0, drawableHeight = 0;
    int32_t x = 0, y = 0, width = 0, height = 0;
};

class GlContext {
public:
    virtual ~GlContext() = default;

    // Makes the context current on this thread (waiting while another thread holds it); false
    // when there is no context (the window is gone, or a new context could not be made).
    virtual bool acquire() = 0;
    // Gives back one acquire; the outermost one leaves the context free for other threads.
    virtual void release() = 0;
    // Shows the drawable's back buffer; false when the platform says the swap failed.
    virtual bool swapBuffers() = 0;
    virtual PresentArea presentArea() = 0;
    // Throws the context away and makes a new one on the same window; everything made in the
    // old one is gone. False when no new context could be made. Called without holding it.
    virtual bool recreate() = 0;
    // Counts the contexts made so far: what a record of the old one holds is void once it grows.
    virtual uint32_t generation() const = 0;
};

} // namespace window::gl
