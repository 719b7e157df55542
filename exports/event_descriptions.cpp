// What each event does, in one line, for the author's reference that
// tools/events_doc.cpp generates. Indexed by event code.
#include "exports/catalogue.h"
#include "exports/routine_tables.h"

namespace zandrel {

namespace {

const char* const kConditionDescriptions[kConditionCount] = {
    "True in the frame the key with this virtual-key code goes down.",
    "True while the key with this virtual-key code is down.",
    "True in the frame the key mapped to this button slot goes down, from the pad or the keyboard.",
    "True while the key mapped to this button slot is down.",
    "True when LoadSetting could not open its file.",
};

const char* const kActionDescriptions[kActionCount] = {
    "Binds the object to a player (0 to 3) and a system joystick id (0 to 3) and reads the pad's capabilities.",
    "Sets one of the game's own control keys of a player to a virtual-key code.",
    "Sets the speeds of the two vibration motors of the bound XInput pad.",
    "Maps a pad bit slot (0 to 15: directions, then buttons) to a virtual-key code.",
    "Saves the key and button mappings, the control keys and the stick centre to a file.",
    "Loads the settings saved by SaveSetting; raises LoadFailed when the file cannot be opened.",
    "Routes a real pad bit to another button slot, or switches it off with -1.",
    "Sends a key release for each of the 16 button slots, held or not, and clears the keyboard snapshots.",
    "Scans the system's devices again to find which pads are XInput pads.",
    "Takes the stick's present position as its centre.",
    "Enables (1) or disables (0) one pad bit, or all of them with -1.",
};

const char* const kExpressionDescriptions[kExpressionCount] = {
    "The display name the system keeps for the bound pad, as text (empty when it has none).",
    "The id of the first joystick with a button pressed, or -1.",
    "The virtual-key code of the first key held down, or -1.",
    "The lowest pad bit (0 to 15: directions, then buttons) set on the given joystick, or -1.",
    "The virtual-key code mapped to a button slot.",
    "One of the game's own control keys of a player.",
    "1 when the bound pad is an XInput pad, else 0.",
    "The system joystick id the object is bound to, or -1.",
    "1 when the last read of the bound pad failed, else 0.",
    "The button slot a real pad bit is routed to, 255 when it is off.",
    "The highest real pad bit routed to a button slot, or -1.",
};

}  // namespace

const char* EventDescription(EventKind kind, int code)
{
    switch (kind) {
        case EventKind::kCondition:
            return code >= 0 && code < kConditionCount ? kConditionDescriptions[code] : "";
        case EventKind::kAction:
            return code >= 0 && code < kActionCount ? kActionDescriptions[code] : "";
        case EventKind::kExpression:
            return code >= 0 && code < kExpressionCount ? kExpressionDescriptions[code] : "";
    }
    return "";
}

}  // namespace zandrel
