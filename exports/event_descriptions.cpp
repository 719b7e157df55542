// What each event does, in one line, for the author's reference that
// tools/events_doc.cpp generates. Indexed by event code.
#include "exports/catalogue.h"
#include "exports/routine_tables.h"

namespace zandrel {

namespace {

const char* const kConditionDescriptions[kConditionCount] = {
    ("Raised by the object in the frame the key with this virtual-key code goes down, and true only while it is "
     "raised: put it first in an event."),
    "True while the key with this virtual-key code is down.",
    ("Raised by the object in the frame the key mapped to this button slot goes down, from the pad or the keyboard, "
     "and true only while it is raised: put it first in an event. PressedButton(n) is false while bit n "
     "is switched off with EnableControl."),
    "True while the key mapped to this button slot is down.",
    "Raised when LoadSetting could not open its file, and true only then: put it first in an event.",
    ("Raised in the frame in which a read of the bound pad fails, and true only then: put it first in an event. The "
     "keys it holds stay down (ResetKey releases them)."),
    ("Raised in the frame in which the pad that failed answers again, and true only then: put it first in an event. "
     "getDeviceName already names the pad; a binding the event makes stays whole."),
    ("Raised when SaveSetting did not write its file whole (the file keeps what it held), and true only then: put it "
     "first in an event."),
};

const char* const kActionDescriptions[kActionCount] = {
    ("Binds the object to a player (0 to 3) and a system joystick id (0 to 3) and reads the pad's capabilities; first "
     "it stops the motors it set rumbling."),
    "Sets one of the game's own control keys of a player to a virtual-key code.",
    ("Sets the speeds of the two vibration motors of the bound XInput pad. They stop when the object goes, is bound "
     "again, or finds the game not in front."),
    "Maps a pad bit slot (0 to 15: directions, then buttons) to a virtual-key code.",
    ("Saves the key and button mappings, the control keys, the stick centre, the dead zone and the trigger threshold "
     "to a file; raises SaveFailed when the file is not written whole."),
    ("Loads the settings saved by SaveSetting, which binds the object again (the motors it set rumbling stop first); "
     "raises LoadFailed when the file cannot be opened."),
    "Routes a real pad bit to another button slot, or switches it off with -1.",
    "Sends a key release for each of the 16 button slots, held or not, and clears the keyboard snapshots.",
    "Scans the system's devices again to find which pads are XInput pads.",
    "Takes the stick's present position as its centre.",
    "Enables (1) or disables (0) one pad bit, or all of them with -1.",
    "Sets the stick's dead zone in percent of a half axis (1 to 99; 40 at first).",
    "Sets the value an XInput trigger must exceed to count as pressed (0 to 254; 30 at first).",
    ("1: keys go out whatever window is in front; 0 (at first): only while the game is in front, and held keys are "
     "released when it is not."),
    "Adds the layout rows of a text file to the table all objects share; raises LoadFailed when it cannot be opened.",
    "1: a pad that is not XInput but has a layout row gives its buttons in the XInput pad's order; 0 (at first): not.",
};

const char* const kExpressionDescriptions[kExpressionCount] = {
    ("The display name the system keeps for the bound pad, as text (empty when it has none). The parameter 0, 1 or 2 "
     "names the object's own pad; anything else gives \"\"."),
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
    "An axis of the bound pad's latest read (0 X, 1 Y, 2 Z, 3 R, 4 U, 5 V), -1000 to 1000; X, Y: 0 in the dead zone.",
    "A trigger of the bound XInput pad (0 left, 1 right) as last read, 0 to 255, or -1.",
    "The hat of the bound pad's latest read in hundredths of a degree, or -1 when centred.",
    "The 16 pad bits the object's keys follow (directions, then buttons).",
    "The label on the control that presses a pad bit (0 to 15) of the bound pad under the present layout, as text.",
    "-1 no pad bound or in error, 0 a pad without a layout row, 1 XInput, 2 PlayStation, 3 another pad with a row.",
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
