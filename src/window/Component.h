// A rectangle of a window that receives the window's messages and turns them into calls of
// its virtual operations with window::Event objects. window::Frame is the top-level component
// that owns a native window; other components (the game canvas) are children drawn in their
// frame's window. Everything here runs on the main thread unless an operation says otherwise.
#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"
#include "util/Dimension.h"
#include "util/Point.h"
#include "util/RectangleNM.h"
#include "window/Messages.h"
#include "window/raster/ColorBase.h"
#include "window/Receiver.h"

#include <atomic>
#include <cstdint>
#include <mutex>

namespace window {

class Cursor;
class Event;
class Graphics;
class NativeWindow;

class Component : public lang::Object, public Receiver {
public:
    Component();
    ~Component() override;

    // A component takes every event.
    bool handleEvent(Event* event) override;

    virtual void setSize(int32_t width, int32_t height);
    // Called after every size change; nothing for a component, a frame repaints.
    virtual void layout();
    // Not counted.
    virtual util::Dimension* getSize();
    virtual util::Dimension getSizeValue();
    // Not counted.
    virtual util::RectangleNM* getBounds();
    virtual util::RectangleNM getBoundsValue();
    // Not counted.
    virtual Component* getParent();

    // Mouse and key operations answer whether they handled the event; a component does not.
    virtual bool mouseDown(Event* event, int32_t x, int32_t y);
    virtual bool mouseUp(Event* event, int32_t x, int32_t y);
    virtual bool mouseMove(Event* event, int32_t x, int32_t y);
    virtual bool mouseDrag(Event* event, int32_t x, int32_t y);
    virtual bool keyDown(Event* event, int32_t keyCode);
    virtual bool keyUp(Event* event, int32_t keyCode);

    // Called by the exit message just before the window is destroyed.
    virtual void onExit();
    // Gives this component the keyboard focus; from another thread it posts MsgTakeFocus.
    virtual void requestFocus();
    // The point lies in the bounds.
    virtual bool contains(int32_t x, int32_t y);
    virtual void paintContent(Graphics* graphics);
    // Fills the component with the background colour, then paints the content.
    virtual void paint(Graphics* graphics);
    // Asks for a paint message; callable from any thread.
    virtual void repaint();
    // Called by the window-position-changed message.
    virtual void onPositionChanged();
    virtual void setVisible(bool visible);
    virtual bool isVisible();

    virtual bool RestoreDevice();
    virtual bool checkDevice();
    virtual void RestoreDeviceIfMainThread();
    virtual bool getDisplayChanged();
    virtual void setDisplayChanged(bool changed);

    // Holds the cursor (not counted for the caller) and shows it; from another thread the
    // window's thread is asked to show it. Any thread.
    virtual void setCursor(Cursor* cursor);
    virtual void setMousePosition(int32_t x, int32_t y);
    // The drawing target of the component; the caller releases it. A child asks its parent.
    virtual Graphics* getGraphics();
    virtual void releaseGraphics();
    virtual void setBackground(const ColorBase& colour);
    virtual void setForeground(const ColorBase& colour);
    virtual ColorBase getBackground();
    virtual ColorBase getForeground();
    // The pointer in client coordinates.
    virtual util::Point getMousePosition();
    virtual bool isMouseInside();

    // Creates the component's part of the window: a child of `parent` at `bounds` in the
    // parent's coordinates. True when it exists.
    virtual bool create(Component* parent, const util::RectangleNM& bounds);
    virtual void onSize(WParam wParam, LParam lParam);
    // The window procedure.
    virtual MessageResult handleMessage(uint32_t message, WParam wParam, LParam lParam);
    // The native window of the frame at the top of the parent chain.
    virtual NativeWindow* getTopLevelWindow();

    // Destroys the component's window part and those of its children. The window's reference
    // to the component goes with it, so the component may be gone afterwards.
    void destroyWindow();
    // The native window the component is drawn in; none before create and after destruction.
    NativeWindow* getWindow() const { return window; }
    // True while the desktop's keyboard focus is in this component.
    bool hasKeyboardFocus() const;
    // The component's top-left corner in its native window.
    void getOriginInWindow(int32_t& x, int32_t& y) const;
    // The size of the picture the component's native window shows.
    virtual int32_t getLogicalWidth() const { return size.width; }
    virtual int32_t getLogicalHeight() const { return size.height; }
    // Paint requests: marks that the component wants a paint message / takes the mark.
    void markForPaint() { paintWanted = true; }
    bool takePaintMark() { return paintWanted.exchange(false); }
    // The window target lost its device: sets the lost-device flag and tells the frame window
    // (MsgLostDevice). Any thread; nothing while the program exits or the flag is set already.
    void signalDeviceLost();
    // The cursor held (not counted); any thread.
    Cursor* getCursor() const;
    // A window timer: MsgTimer with `id` every `periodMs` until killTimer or destruction.
    void setTimer(int32_t id, uint32_t periodMs);
    void killTimer(int32_t id);

    // Process-wide state.
    // The component that last asked for the focus (not counted).
    static Component* getFocusWindow();
    static bool isSleeping();
    static bool isExiting();
    static void setExiting(bool exiting);
    // Under this object's monitor painting, full-screen changes and device restoration are
    // done, so that no thread presents while the display changes.
    static lang::Object* getDisplayLock();

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override;

protected:
    // What the platform's default window procedure does with a message.
    MessageResult defaultHandling(uint32_t message, WParam wParam, LParam lParam);
    // Attaches the component to `nativeWindow` (the non-client create and create messages).
    void attachWindow(NativeWindow* nativeWindow, const util::RectangleNM& creationBounds);
    static void setSleeping(bool sleeping);

    NativeWindow* window = nullptr;
    Component* parent = nullptr;
    util::Dimension size;
    util::RectangleNM bounds;
    ColorBase foreground;
    ColorBase background;
    bool paintsItself = false;
    bool visible = true;

private:
    MessageResult handleKeyMessage(uint32_t message, WParam wParam, LParam lParam);
    MessageResult handleMouseMessage(uint32_t message, WParam wParam, LParam lParam);
    MessageResult handlePaint();
    MessageResult handlePower(WParam wParam);
    void deliverKeyDown(Event* event, int32_t keyCode);
    void deliverRelease(bool rightButton);
    void takeFocus();
    // An event of the current time with the keyboard's modifiers where asked for.
    static Event* newEvent(int32_t id, int32_t x, int32_t y, int32_t modifiers);

    // The cursor is set from the canvas's threads and shown by the window's thread.
    lang::Ref<Cursor> heldCursor() const;

    mutable std::mutex cursorLock;
    lang::Ref<Cursor> cursor;
    std::atomic<bool> paintWanted{false};
    bool leftButtonDown = false;
    bool rightButtonDown = false;
};

} // namespace window
