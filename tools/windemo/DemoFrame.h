// The demo's frame and its canvas: the canvas is a child component covering the frame, as the
// game canvas is, and prints every event it receives; the frame paints a test picture with a
// marker at the last click.
#pragma once

#include "window/Frame.h"

#include <cstdio>

class DemoFrame : public window::Frame {
public:
    DemoFrame() : window::Frame(800, 600) {}

    void setFullScreen(bool on, bool force) override;
    void onDestroy() override;
    bool keyDown(window::Event* event, int32_t keyCode) override;
    void paintContent(window::Graphics* graphics) override;
    window::MessageResult handleMessage(uint32_t message, window::WParam wParam, window::LParam lParam) override;

    void markClick(int32_t x, int32_t y);

private:
    int32_t clickX = -1;
    int32_t clickY = -1;
    int32_t paints = 0;
};

class DemoCanvas : public window::Component {
public:
    explicit DemoCanvas(DemoFrame* frame) : frame(frame) {}

    bool mouseDown(window::Event* event, int32_t x, int32_t y) override;
    bool mouseUp(window::Event* event, int32_t x, int32_t y) override;
    bool mouseDrag(window::Event* event, int32_t x, int32_t y) override;
    bool keyDown(window::Event* event, int32_t keyCode) override;
    bool keyUp(window::Event* event, int32_t keyCode) override;

private:
    // Not counted: the frame outlives its child window.
    DemoFrame* frame;
    int32_t drags = 0;
};

// Every line of the demo goes out at once, for the scripts that read it.
void say(const char* format, ...) __attribute__((format(printf, 1, 2)));
