// The SDL user events of the platform layer: posted messages, timer ticks, paint and present
// requests and the quit request. All share one registered event type; `code` tells them apart.
// Posted messages and timer ticks hold a reference to their component until delivered.
#pragma once

#include "window/Messages.h"

#include <SDL.h>

#include <cstdint>

namespace window {
class Component;
}

namespace window::sdl {

enum class UserEvent : int32_t { PostedMessage, Timer, Paint, Present, Quit };

// The registered type (0 before the platform started).
uint32_t userEventType();
void registerUserEvents();
bool pushUserEvent(UserEvent kind, void* data1, void* data2 = nullptr);

// Hands a message to a component that still has its window.
void deliver(Component* target, uint32_t message, WParam wParam, LParam lParam);
// The same for a message that may destroy the component.
void deliverHeld(Component* target, uint32_t message, WParam wParam, LParam lParam);
void deliverPosted(const SDL_UserEvent& user);
void deliverTimer(const SDL_UserEvent& user);
// Gives back what a user event holds without delivering it.
void dropUserEvent(const SDL_UserEvent& user);
void removeAllTimers();

} // namespace window::sdl
