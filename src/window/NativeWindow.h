// One top-level window of the platform, shared by a frame and its child components (children
// have no native window of their own). The platform layer implements the drawing surface and
// the window-manager side; the routing of input to components is the same on every platform.
#pragma once

#include <cstdint>
#include <vector>

namespace window {

class Component;
class Graphics;

class NativeWindow {
public:
    explicit NativeWindow(Component* owner) : owner(owner) {}
    virtual ~NativeWindow() = default;
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    // The top-level component that created the window.
    Component* getOwner() const { return owner; }

    // The components drawn in this window, the owner first, in creation order. Not counted:
    // a component leaves the list when its window part is destroyed.
    void attach(Component* component);
    void detach(Component* component);
    const std::vector<Component*>& getComponents() const { return components; }
    bool isAttached(const Component* component) const;

    // The deepest component whose bounds hold the point (frame coordinates); the owner when
    // none of its children does.
    Component* componentAt(int32_t x, int32_t y) const;

    // The component that holds the keyboard focus inside this window (or none).
    Component* getFocusComponent() const { return focusComponent; }
    void setFocusComponent(Component* component) { focusComponent = component; }

    // The component that received the last button press while a button is held.
    Component* getCaptureComponent() const { return captureComponent; }
    void setCaptureComponent(Component* component) { captureComponent = component; }

    // True while the window has the keyboard focus of the desktop.
    virtual bool hasInputFocus() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    virtual bool isMinimised() const = 0;
    virtual void minimise() = 0;
    virtual void setTitle(const char* cp1252Title) = 0;
    // The window's icon from 0xAARRGGBB pixels (rows of `width`).
    virtual void setIcon(const uint32_t* pixels, int32_t width, int32_t height) = 0;
    // Desktop full screen with the picture scaled to fit; false when the platform refuses.
    virtual bool setFullScreen(bool on) = 0;
    virtual bool isFullScreen() const = 0;
    virtual void setPosition(int32_t x, int32_t y) = 0;
    virtual void getPosition(int32_t& x, int32_t& y) const = 0;
    virtual void centreInWorkArea() = 0;
    // The last pointer position in frame coordinates (the 800x600 picture space).
    virtual void getMousePosition(int32_t& x, int32_t& y) const = 0;
    virtual void setMousePosition(int32_t x, int32_t y) = 0;
    // Marks the window for a paint message; callable from any thread.
    virtual void requestPaint() = 0;
    // Shows a finished picture of the window's logical size (0xAARRGGBB rows of `pitch`
    // bytes). From the window's own thread it is presented at once; from any other thread it
    // is copied and presented by the window's thread.
    virtual void submitFrame(const uint32_t* pixels, int32_t width, int32_t height, int32_t pitch) = 0;
    // The window target drawing a picture of width x height into this window (the caller
    // releases it): the software target, which submits finished pictures, unless the platform
    // draws through a device of its own.
    virtual Graphics* createGraphics(int32_t width, int32_t height);
    // Gives up a drawing device of the platform's own that cannot be restored, for the software
    // target's pictures from now on.
    enum class DeviceDrop {
        NoDevice, // the window has no device of its own: it shows the software target already
        SoftwareTakesOver,
        NothingCanDraw, // the software target cannot be shown either
    };
    virtual DeviceDrop dropDevice() { return DeviceDrop::NoDevice; }
    // True after the platform lost what shows the picture, until restorePresenter succeeds.
    virtual bool isPresenterLost() const = 0;
    virtual bool restorePresenter() = 0;

private:
    Component* owner;
    std::vector<Component*> components;
    Component* focusComponent = nullptr;
    Component* captureComponent = nullptr;
};

} // namespace window
