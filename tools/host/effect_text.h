// An effect of the extension on the world as a host script prints it: "key down
// 0x5A", "vibrate 0 100 200", "joyConfigChanged", "rescan". No library classes, so
// the pad checker can use it too.
#pragma once

#include <cstddef>

#include "platform/sim_world.h"

namespace zandrel::host {

constexpr std::size_t kEffectTextRoom = 48;

void EffectText(const sim::Effect& effect, char (&text)[kEffectTextRoom]);

}  // namespace zandrel::host
