// The SDL user events of the platform layer: posted messages, timer ticks, paint and present
// requests and the quit request. All share one registered event type; `code` tells them apart.
#pragma once

#include <cstdint>

namespace window::sdl {

enum class UserEvent : int32_t { PostedMessage, Timer, Paint, Present, Quit };

// The registered type (0 before the platform started).
uint32_t userEventType();
void registerUserEvents();
bool pushUserEvent(UserEvent kind, void* data1, void* data2 = nullptr);

} // namespace window::sdl
