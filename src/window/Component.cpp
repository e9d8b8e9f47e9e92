#include "window/Component.h"

#include "lang/Debug.h"
#include "lang/Ref.h"
#include "lang/String.h"
#include "lang/SyncGuard.h"
#include "window/Cursor.h"
#include "window/detail/Trace.h"
#include "window/Event.h"
#include "window/LostDeviceFlag.h"
#include "window/NativeWindow.h"
#include "window/Platform.h"
#include "window/raster/Graphics.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace window {

namespace {

std::atomic<Component*> focusWindow{nullptr};
std::atomic<bool> sleeping{false};
std::atomic<bool> exiting{false};

// The arrows, Delete and F1 to F15 deliver codes of their own: 1000 + the virtual key.
int32_t ownKeyCode(int32_t virtualKey)
{
    bool own = (virtualKey >= VkLeft && virtualKey <= VkDown) || virtualKey == VkDelete
        || (virtualKey >= VkF1 && virtualKey <= VkF15);
    return own ? 1000 + virtualKey : 0;
}

// Keys that type a character on a Western layout; their press is delivered by the character
// message that follows (or not at all, with Control held).
bool typesCharacter(int32_t virtualKey)
{
    return virtualKey == VkBack || virtualKey == VkTab || virtualKey == VkReturn || virtualKey == VkEscape
        || virtualKey == ' ' || (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z')
        || (virtualKey >= 0x60 && virtualKey <= 0x6F && virtualKey != 0x6C)
        || (virtualKey >= 0xBA && virtualKey <= 0xC0) || (virtualKey >= 0xDB && virtualKey <= 0xDF)
        || virtualKey == 0xE2;
}

int32_t mouseModifiers(WParam keys)
{
    return ((keys & MouseControl) ? Event::Control : 0) | ((keys & MouseShift) ? Event::Shift : 0);
}

constexpr int32_t rightButtonModifiers = Event::RightButton | Event::Control;

} // namespace

Component::Component() = default;

Component::~Component() = default;

bool Component::handleEvent(Event*)
{
    return true;
}

void Component::setSize(int32_t width, int32_t height)
{
    size.width = width;
    size.height = height;
    bounds.width = width;
    bounds.height = height;
    layout();
}

void Component::layout() {}

util::Dimension* Component::getSize() { return &size; }
util::Dimension Component::getSizeValue() { return size; }
util::RectangleNM* Component::getBounds() { return &bounds; }
util::RectangleNM Component::getBoundsValue() { return bounds; }
Component* Component::getParent() { return parent; }

bool Component::mouseDown(Event*, int32_t, int32_t) { return false; }
bool Component::mouseUp(Event*, int32_t, int32_t) { return false; }
bool Component::mouseMove(Event*, int32_t, int32_t) { return false; }
bool Component::mouseDrag(Event*, int32_t, int32_t) { return false; }
bool Component::keyDown(Event*, int32_t) { return false; }
bool Component::keyUp(Event*, int32_t) { return false; }

void Component::onExit() {}

void Component::requestFocus()
{
    focusWindow = this;
    if (window && platform::isMainThread())
        takeFocus();
    else
        platform::postMessage(this, MsgTakeFocus, 0, 0);
}

void Component::takeFocus()
{
    if (window)
        window->setFocusComponent(this);
}

bool Component::contains(int32_t x, int32_t y)
{
    return bounds.contains(x, y);
}

void Component::paintContent(Graphics*) {}

void Component::paint(Graphics* graphics)
{
    graphics->fillRect(0, 0, size.width, size.height, background.getValue());
    paintContent(graphics);
}

void Component::repaint()
{
    markForPaint();
    if (window)
        window->requestPaint();
}

void Component::onPositionChanged() {}

void Component::setVisible(bool show)
{
    visible = show;
    if (window && window->getOwner() == this)
        window->setVisible(show);
}

bool Component::isVisible()
{
    if (window && window->getOwner() == this)
        return window->isVisible();
    return visible && window != nullptr;
}

bool Component::RestoreDevice()
{
    lang::debugOutput("Root RestoreDevice\n");
    return true;
}

bool Component::checkDevice() { return true; }
void Component::RestoreDeviceIfMainThread() {}
bool Component::getDisplayChanged() { return false; }
void Component::setDisplayChanged(bool) {}

void Component::setCursor(Cursor* newCursor)
{
    lang::Ref<Cursor> held = lang::retain(newCursor);
    {
        std::lock_guard<std::mutex> guard(cursorLock);
        cursor.swap(held);
    }
    if (!platform::isMainThread())
        platform::postMessage(this, MsgSetCursor, 0, makeLParam(HitClient, MsgMouseMove));
    else if (newCursor)
        newCursor->show();
}

Cursor* Component::getCursor() const
{
    return heldCursor().get();
}

lang::Ref<Cursor> Component::heldCursor() const
{
    std::lock_guard<std::mutex> guard(cursorLock);
    return cursor;
}

void Component::setMousePosition(int32_t x, int32_t y)
{
    if (!window)
        return;
    int32_t originX = 0, originY = 0;
    getOriginInWindow(originX, originY);
    window->setMousePosition(x + originX, y + originY);
}

Graphics* Component::getGraphics()
{
    return parent ? parent->getGraphics() : nullptr;
}

void Component::releaseGraphics() {}

void Component::setBackground(const ColorBase& colour) { background = colour; }
void Component::setForeground(const ColorBase& colour) { foreground = colour; }
ColorBase Component::getBackground() { return background; }
ColorBase Component::getForeground() { return foreground; }

util::Point Component::getMousePosition()
{
    if (!window)
        return util::Point();
    int32_t x = 0, y = 0, originX = 0, originY = 0;
    window->getMousePosition(x, y);
    getOriginInWindow(originX, originY);
    return util::Point(x - originX, y - originY);
}

bool Component::isMouseInside()
{
    util::Point point = getMousePosition();
    return point.x >= 0 && point.y >= 0 && point.x < size.width && point.y < size.height;
}

bool Component::create(Component* newParent, const util::RectangleNM& creationBounds)
{
    if (window || !newParent || !newParent->getWindow())
        return false;
    parent = newParent;
    attachWindow(newParent->getWindow(), creationBounds);
    return window != nullptr;
}

void Component::attachWindow(NativeWindow* nativeWindow, const util::RectangleNM& creationBounds)
{
    // The non-client create message: the window holds a reference to its component until the
    // non-client destroy message.
    window = nativeWindow;
    addRef();
    nativeWindow->attach(this);
    handleMessage(MsgCreate, 0, reinterpret_cast<LParam>(&creationBounds));
}

void Component::destroyWindow()
{
    if (!window)
        return;
    lang::Ref<Component> self = lang::retain(this);
    handleMessage(MsgDestroy, 0, 0);
    std::vector<lang::Ref<Component>> children;
    for (Component* component : window->getComponents()) {
        if (component->parent == this)
            children.push_back(lang::retain(component));
    }
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        (*child)->destroyWindow();
    platform::killTimers(this);
    NativeWindow* nativeWindow = window;
    handleMessage(MsgNcDestroy, 0, 0);
    if (nativeWindow->getOwner() == this)
        delete nativeWindow;
}

bool Component::hasKeyboardFocus() const
{
    return window && window->hasInputFocus() && window->getFocusComponent() == this;
}

void Component::getOriginInWindow(int32_t& x, int32_t& y) const
{
    x = 0;
    y = 0;
    for (const Component* component = this; component->parent; component = component->parent) {
        x += component->bounds.x;
        y += component->bounds.y;
    }
}

void Component::signalDeviceLost()
{
    if (isExiting())
        return;
    LostDeviceFlag* flag = LostDeviceFlag::get();
    SyncGuard guard(flag);
    if (!flag->raise())
        return;
    lang::debugOutput("signalDeviceLost\n");
    lang::debugOutput("Warning: Device has been lost!!\n");
    platform::postMessage(window ? window->getOwner() : this, MsgLostDevice, 0, 0);
}

void Component::setTimer(int32_t id, uint32_t periodMs)
{
    if (window)
        platform::setTimer(this, id, periodMs);
}

void Component::killTimer(int32_t id)
{
    platform::killTimer(this, id);
}

NativeWindow* Component::getTopLevelWindow()
{
    Component* top = this;
    while (top->parent)
        top = top->parent;
    return top->window;
}

Component* Component::getFocusWindow() { return focusWindow; }
bool Component::isSleeping() { return sleeping; }
void Component::setSleeping(bool value) { sleeping = value; }
bool Component::isExiting() { return exiting; }
void Component::setExiting(bool value) { exiting = value; }

lang::Object* Component::getDisplayLock()
{
    static lang::Object displayLock;
    return &displayLock;
}

Event* Component::newEvent(int32_t id, int32_t x, int32_t y, int32_t modifiers)
{
    return new Event(id, x, y, modifiers, 0, platform::getTicks());
}

void Component::onSize(WParam, LParam lParam)
{
    lang::debugOutput("WM_SIZE, sizing non-Frame:\n");
    size.width = bounds.width = lowSigned(lParam);
    size.height = bounds.height = highSigned(lParam);
}

MessageResult Component::handleMessage(uint32_t message, WParam wParam, LParam lParam)
{
    switch (message) {
    case MsgCreate: {
        const auto* creation = reinterpret_cast<const util::RectangleNM*>(lParam);
        bounds = *creation;
        size = util::Dimension(creation->width, creation->height);
        return defaultHandling(message, wParam, lParam);
    }
    case MsgDestroy:
        if (focusWindow == this)
            focusWindow = nullptr;
        return 0;
    case MsgNcDestroy:
        if (window) {
            window->detach(this);
            window = nullptr;
            release();
        }
        return 0;
    case MsgSize:
        if (wParam != SizeMinimised)
            onSize(wParam, lParam);
        else
            lang::debugOutput("WM_SIZE, iconic\n");
        layout();
        return 0;
    case MsgMove: {
        bounds.x = lowSigned(lParam);
        bounds.y = highSigned(lParam);
        char line[80];
        std::snprintf(line, sizeof line, "WM_MOVE: (%d, %d)\n", int(bounds.x), int(bounds.y));
        lang::debugOutput(line);
        return 0;
    }
    case MsgEraseBackground:
        traceHandle("WM_ERASEBKGND ", window);
        return defaultHandling(message, wParam, lParam);
    case MsgPaint:
        return handlePaint();
    case MsgClose:
        return 0;
    case MsgSetCursor:
        if (lang::Ref<Cursor> shown = heldCursor(); shown && lowSigned(lParam) == HitClient) {
            shown->show();
            return 1;
        }
        return defaultHandling(message, wParam, lParam);
    case MsgWindowPosChanged:
        onPositionChanged();
        return defaultHandling(message, wParam, lParam);
    case MsgDisplayChange:
        setDisplayChanged(true);
        return defaultHandling(message, wParam, lParam);
    case MsgKeyDown:
    case MsgChar:
    case MsgKeyUp:
        return handleKeyMessage(message, wParam, lParam);
    case MsgMouseMove:
    case MsgLButtonDown:
    case MsgLButtonUp:
    case MsgRButtonDown:
    case MsgRButtonUp:
    case MsgCaptureChanged:
        return handleMouseMessage(message, wParam, lParam);
    case MsgPowerBroadcast:
        return handlePower(wParam);
    case MsgTakeFocus:
        takeFocus();
        return 0;
    case MsgExit:
        onExit();
        destroyWindow();
        return 0;
    case MsgLostDevice:
        lang::debugOutput("WMP_LOST_DEVICE\n");
        if (!isExiting()) {
            SyncGuard guard(getDisplayLock());
            // The window thread stays free between tries.
            if (!checkDevice())
                platform::postMessageAfter(this, MsgLostDevice, 0, 0, 100);
        }
        return 0;
    case MsgShowWindow:
        setVisible(true);
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

MessageResult Component::defaultHandling(uint32_t message, WParam wParam, LParam lParam)
{
    switch (message) {
    case MsgActivate:
        // An activated window without a focus holder takes the focus itself.
        if (lowWord(wParam) != Inactive && window && !window->getFocusComponent())
            window->setFocusComponent(this);
        return 0;
    case MsgSetCursor:
        if (parent && parent->handleMessage(message, wParam, lParam))
            return 1;
        if (lowSigned(lParam) == HitClient && !parent) {
            Cursor::getArrow()->show();
            return 1;
        }
        return 0;
    case MsgSysKeyDown:
        if (int32_t(wParam) == VkF4) {
            Component* top = window ? window->getOwner() : this;
            return top->handleMessage(MsgSysCommand, CommandClose, 0);
        }
        return 0;
    case MsgSysCommand:
        switch (wParam & 0xFFF0) {
        case CommandClose:
            return handleMessage(MsgClose, 0, 0);
        case CommandMinimise:
            if (window)
                window->minimise();
            return 0;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

MessageResult Component::handlePaint()
{
    traceHandle("Start WM_PAINT ", window);
    SyncGuard guard(getDisplayLock());
    if (isExiting())
        return 0;
    if (!checkDevice()) {
        lang::debugOutput("WM_PAINT: device lost\n");
        // Drawing once lets the target notice the loss.
        lang::Ref<Graphics> target = lang::adopt(getGraphics());
        if (target && target->beginDrawing())
            target->endDrawing();
        return 0;
    }
    if (!paintsItself) {
        lang::debugOutput("WM_PAINT: don't show frame\n");
        return 0;
    }
    lang::Ref<Graphics> target = lang::adopt(getGraphics());
    if (!target)
        return 0;
    lang::Ref<Graphics> update = lang::adopt(target->create());
    if (!update)
        return 0;
    paint(update.get());
    update->dispose();
    return 0;
}

MessageResult Component::handleKeyMessage(uint32_t message, WParam wParam, LParam lParam)
{
    int32_t key = int32_t(wParam);
    int32_t modifiers = platform::getKeyModifiers();
    if (message == MsgKeyUp) {
        int32_t code = ownKeyCode(key);
        lang::Ref<Event> event = lang::adopt(newEvent(Event::KeyUp, 0, 0, modifiers));
        event->keyCode = code ? code : key;
        keyUp(event.get(), event->keyCode);
        return 0;
    }
    int32_t code;
    if (message == MsgChar) {
        if (modifiers & Event::Control)
            return 0;
        modifiers &= Event::Shift;
        code = key & 0xFF;
    } else {
        code = ownKeyCode(key);
        if (code == 0) {
            if (typesCharacter(key))
                return 0;
            code = key;
        }
    }
    lang::Ref<Event> event = lang::adopt(newEvent(Event::KeyDown, 0, 0, modifiers));
    event->keyCode = code;
    event->firstPress = (lParam & KeyWasDown) == 0;
    deliverKeyDown(event.get(), code);
    return 0;
}

void Component::deliverKeyDown(Event* event, int32_t keyCode)
{
    lang::Ref<Component> receiver = lang::retain(this);
    while (receiver && !receiver->keyDown(event, keyCode))
        receiver = lang::retain(receiver->parent);
}

MessageResult Component::handleMouseMessage(uint32_t message, WParam wParam, LParam lParam)
{
    if (message == MsgCaptureChanged) {
        // A drag always ends, even when the pointer went elsewhere.
        if (leftButtonDown || rightButtonDown)
            deliverRelease(rightButtonDown);
        return 0;
    }
    if (!window || !window->hasInputFocus())
        return 0;
    if (message == MsgLButtonDown && !hasKeyboardFocus())
        takeFocus();
    if (!hasKeyboardFocus())
        return 0;
    int32_t x = lowSigned(lParam);
    int32_t y = highSigned(lParam);
    switch (message) {
    case MsgMouseMove:
        if (wParam & MouseLeft) {
            lang::Ref<Event> event = lang::adopt(newEvent(Event::MouseDrag, x, y, 0));
            mouseDrag(event.get(), x, y);
        } else if (wParam & MouseRight) {
            lang::Ref<Event> event = lang::adopt(newEvent(Event::MouseDrag, x, y, rightButtonModifiers));
            mouseDrag(event.get(), x, y);
        } else {
            lang::Ref<Event> event = lang::adopt(newEvent(Event::MouseMove, x, y, 0));
            mouseMove(event.get(), x, y);
        }
        return 0;
    case MsgLButtonDown: {
        leftButtonDown = true;
        lang::Ref<Event> event = lang::adopt(newEvent(Event::MouseDown, x, y, mouseModifiers(wParam)));
        mouseDown(event.get(), x, y);
        return 0;
    }
    case MsgLButtonUp: {
        leftButtonDown = false;
        lang::Ref<Event> event = lang::adopt(newEvent(Event::MouseUp, x, y, 0));
        mouseUp(event.get(), x, y);
        return 0;
    }
    case MsgRButtonDown: {
        rightButtonDown = true;
        lang::Ref<Event> event = lang::adopt(newEvent(Event::MouseDown, x, y, rightButtonModifiers));
        mouseDown(event.get(), x, y);
        return 0;
    }
    case MsgRButtonUp: {
        rightButtonDown = false;
        lang::Ref<Event> event = lang::adopt(newEvent(Event::MouseUp, x, y, rightButtonModifiers));
        mouseUp(event.get(), x, y);
        if (window && window->getCaptureComponent() == this)
            window->setCaptureComponent(nullptr);
        return 0;
    }
    default:
        return 0;
    }
}

void Component::deliverRelease(bool rightButton)
{
    leftButtonDown = false;
    rightButtonDown = false;
    util::Point point = getMousePosition();
    lang::Ref<Event> event = lang::adopt(newEvent(Event::MouseUp, point.x, point.y, rightButton ? rightButtonModifiers : 0));
    mouseUp(event.get(), point.x, point.y);
}

MessageResult Component::handlePower(WParam wParam)
{
    traceValue("WM_POWERBROADCAST: wParam = ", (long long)wParam);
    if (wParam == PowerSuspend) {
        setSleeping(true);
        traceValue("setSleepMode = ", 1);
    } else if (wParam == PowerResumeSuspend || wParam == PowerResumeCritical) {
        setSleeping(false);
        traceValue("setSleepMode = ", 0);
        lang::Ref<Graphics> target = lang::adopt(getGraphics());
        LostDeviceFlag::get()->set(true);
        RestoreDeviceIfMainThread();
    }
    return 1;
}

bool Component::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Component") == 0 || Object::isInstanceOf(className);
}

const char* Component::getClassName() const
{
    return "Component";
}

} // namespace window
