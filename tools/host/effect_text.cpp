#include "tools/host/effect_text.h"

#include <cstdio>

namespace zandrel::host {

void EffectText(const sim::Effect& effect, char (&text)[kEffectTextRoom])
{
    switch (effect.kind) {
        case sim::EffectKind::KeyStroke:
            if (effect.b == 1 || effect.b == 3) {
                std::snprintf(text, sizeof text, "key %s 0x%02X", effect.b == 1 ? "down" : "up", effect.a);
            } else {
                std::snprintf(text, sizeof text, "key 0x%02X flags=%u", effect.a, effect.b);
            }
            return;
        case sim::EffectKind::Vibration:
            std::snprintf(text, sizeof text, "vibrate %u %u %u", effect.a, effect.b, effect.c);
            return;
        case sim::EffectKind::JoyConfigChanged:
            std::snprintf(text, sizeof text, "joyConfigChanged");
            return;
        case sim::EffectKind::RescanStarted:
            std::snprintf(text, sizeof text, "rescan");
            return;
    }
    std::snprintf(text, sizeof text, "! unknown effect");
}

}  // namespace zandrel::host
