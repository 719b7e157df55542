// What each event does, in the author's words, for the reference that
// tools/events_doc.cpp generates: the one place these descriptions are kept.
// Indexed by event code. Example arguments are written as the event editor shows
// them, so the generator fills the event's own display string with them.
#include "exports/catalogue.h"
#include "exports/routine_tables.h"

namespace zandrel {

namespace {

const EventHelp kConditionHelp[kConditionCount] = {
    {"True in the one frame in which the key with this virtual-key code goes down, from the keyboard or sent by "
     "the object. The object raises it every frame, and it is true only while it is raised: put it first in an "
     "event.",
     {"key: a virtual-key code, 0 to 255 (65 is A, 32 Space, 38 Up; see the [table of key "
      "codes](guide.md#what-each-button-sends-and-giving-it-another-key))."},
     "True (1) in the frame the key goes down, else false (0).",
     {"32"}},
    {"True in every frame in which the key with this virtual-key code is down, for as long as it is held.",
     {"key: a virtual-key code, 0 to 255."},
     "True (1) while the key is down, else false (0).",
     {"38"}},
    {"True in the one frame in which the key of a button slot goes down, from the pad or the keyboard. The object "
     "raises it every frame, and it is true only while it is raised: put it first in an event. False while the "
     "slot's bit is switched off with EnableControl.",
     {"slot: the button slot, 0 to 15 (0 up, 1 down, 2 left, 3 right, 4 to 15 the buttons); the title says 0-16, "
      "but 16 and above are false."},
     "True (1) in the frame the slot's key goes down, else false (0).",
     {"4"}},
    {"True in every frame in which the key of a button slot is down, from the pad or the keyboard. False while the "
     "slot's bit is switched off with EnableControl.",
     {"slot: the button slot, 0 to 15."},
     "True (1) while the slot's key is down, else false (0).",
     {"0"}},
    {"Raised when LoadSetting could not open its file, or LoadPadLayouts its layouts file, and true only then: "
     "put it first in an event. When a game loads both, give each load its own event after it and act on the one "
     "that failed.",
     {},
     "True (1) inside the failing load, else false.",
     {}},
    {"Raised in the frame in which a read of the bound pad fails (its cable came out, its battery ran down), and "
     "true only then: put it first in an event. Before it is raised the object has released every key it held "
     "and stopped the motors it set running; it then sends nothing until the pad answers again.",
     {},
     "True (1) in the frame the pad goes away, else false.",
     {}},
    {"Raised in the frame in which the pad that went away answers again, also when the system gives it another "
     "joystick id (the object follows it), and true only then: put it first in an event. getDeviceName already "
     "names the pad; a binding the event makes stays whole. A button still held presses its key again.",
     {},
     "True (1) in the frame the pad is back, else false.",
     {}},
    {"Raised when SaveSetting did not write its file whole (no such folder, a full disk, a file that cannot be "
     "replaced); the file keeps what it held. True only then: put it first in an event.",
     {},
     "True (1) inside the failing save, else false.",
     {}},
};

const EventHelp kActionHelp[kActionCount] = {
    {"Binds the object to a player and a pad: from the next frame the object reads that pad and sends its keys. "
     "Bind once, at the start of the frame, not in an event that is true every frame. Binding another pad (or "
     "none) first releases the keys the object holds and stops its motors; binding the pad it has already only "
     "stores the player.",
     {"player: the game's player, 0 to 3 (0 is player 1); the other actions need it in 0 to 3.",
      "pad_id: the system's joystick id, 0 to 15 (0 is the first pad; getAnyPadID finds the one a player "
      "presses); -1 unbinds."},
     "Nothing.",
     {"0", "0"}},
    {"Sets one of the game's own control keys of a player, the keys the host's player controls use. A new "
     "object's slots 0 to 7 start from player 1's control keys.",
     {"player: 0 to 3.", "control: 0 to 7 (up, down, left, right, then the four buttons).", "key: a virtual-key code."},
     "Nothing.",
     {"0", "4", "32"}},
    {"Sets the speeds of the two vibration motors of the bound XInput pad. Both 0 stops them. The motors also "
     "stop when the object is destroyed, bound to another pad, finds the game not in front, or its pad goes "
     "away.",
     {"left: the left (heavy) motor's speed, 0 to 65535.", "right: the right (light) motor's speed, 0 to 65535."},
     "Nothing.",
     {"20000", "20000"}},
    {"Gives a button slot its key. Here pad_button means a button slot; a pad bit reaches its slot through "
     "SetVirtualButton (at first bit N feeds slot N). A key held when it changes still goes up when its button "
     "is let go.",
     {"pad_button: the button slot, 0 to 15 (0 up, 1 down, 2 left, 3 right, 4 to 15 the buttons).",
      "keycode: the virtual-key code it sends, 0 to 255 (0 sends nothing)."},
     "Nothing.",
     {"4", "32"}},
    {"Saves the object's setup to a file: player, pad id, the player's control keys, the 16 slot keys, the 16 "
     "bit-to-slot routes, the stick centre, the dead zone and the trigger threshold (80 bytes). Save into a folder "
     "the player may write, not the game's own folder.",
     {"file: the file's name; a name without a folder is a file of the game's working folder."},
     "Nothing; raises SaveFailed when the file is not written whole.",
     {"\"player1.cfg\""}},
    {"Loads a setup SaveSetting wrote and binds the object to the saved pad (releasing keys and stopping motors "
     "only when that is another pad).",
     {"file: the file's name."},
     "Nothing; raises LoadFailed when the file cannot be opened.",
     {"\"player1.cfg\""}},
    {"Routes a pad bit to another button slot, or switches it off. Two bits may feed one slot; its key stays down "
     "while either is held.",
     {"real: the pad bit, 0 to 15.",
      "change: the slot it feeds, 0 to 15, or -1 for none (getVirtualButtonSetting answers 255 for none; pass -1 "
      "here)."},
     "Nothing.",
     {"6", "4"}},
    {"Releases keys: a key-up for the key of each of the 16 slots, held or not, then for each key the object holds "
     "that is not among them; clears the keyboard snapshots.",
     {},
     "Nothing.",
     {}},
    {"Scans the system's devices again to find which pads are XInput pads, for a pad plugged in after binding.",
     {},
     "Nothing.",
     {}},
    {"Takes the stick's present position as its centre. Call it while the player leaves the stick at rest, not "
     "at the start of every frame.",
     {},
     "Nothing.",
     {}},
    {"Switches one pad bit, or all of them, off or on. A switched-off bit sends no new key; a key it holds goes "
     "up when its button is let go. Here pad_button means a pad bit, not a slot.",
     {"pad_button: the pad bit, 0 to 15, or -1 for all.", "value: 0 off, 1 on."},
     "Nothing.",
     {"5", "0"}},
    {"Sets the stick's dead zone: how far it must be pushed before it presses a direction, for the keys, getAxis, "
     "getAnyPadID and getInputPadButtonNumber alike.",
     {"percent: 1 to 99 of a half axis; 40 at first."},
     "Nothing.",
     {"25"}},
    {"Sets how far an XInput trigger must be pulled to press its bit.",
     {"value: 0 to 254 of 255; 30 at first."},
     "Nothing.",
     {"150"}},
    {"Chooses whether keys go out while another program's window is in front. Off (the default), the object sends "
     "no key then, releases those it holds and stops its motors.",
     {"on: 0 keys only while the game is in front, 1 whatever window is in front."},
     "Nothing.",
     {"1"}},
    {"Adds the layout rows of a text file (one pad a line, in the format game-controller mapping databases share) "
     "to the table every object uses until the game ends.",
     {"file: the layouts file's name."},
     "Nothing; raises LoadFailed when the file cannot be opened.",
     {"\"pads.txt\""}},
    {"Turns the standard layout on or off: on, a pad that is not XInput but has a layout row (PlayStation pads "
     "have one built in) gives its buttons in the XInput pad's order, so bit 4 is the bottom face button on every "
     "pad. New games turn it on; it is off at first only so that old games keep their keys.",
     {"on: 0 the pad's own order, 1 the standard layout."},
     "Nothing.",
     {"1"}},
};

const EventHelp kExpressionHelp[kExpressionCount] = {
    {"The name the system keeps for the bound pad, to show the player which pad plays.",
     {"which: 0, 1 or 2 name the object's own pad; anything else gives \"\"."},
     "Text: the pad's name, or \"\" when it has none.",
     {"0"}},
    {"The joystick id on which a button (or an XInput trigger) is held now; the stick and the hat do not count. For "
     "choosing a player's pad by a button press.",
     {},
     "The lowest joystick id 0 to 3 with a button held, or -1.",
     {}},
    {"The key held down now, among the keys a player would choose (letters, digits, arrows, the number pad, F1 to "
     "F12, punctuation, Space, Enter, Escape and the like; never a mouse button). For a remapping menu.",
     {},
     "The lowest such virtual-key code held, or -1.",
     {}},
    {"The pad bit held now on a joystick, read as the frame reads it (for the bound pad with its XInput index "
     "and layout).",
     {"pad: the joystick id, 0 to 3; pass getPadID( pad ) for the bound pad."},
     "The lowest pad bit held, 0 to 15 (0 to 3 are directions), or -1 (none, or the object is in error).",
     {"getPadID( pad )"}},
    {"The key a button slot sends.",
     {"slot: 0 to 15."},
     "The virtual-key code, 0 to 255 (0: none), or -1 for a slot outside 0 to 15.",
     {"4"}},
    {"One of the game's own control keys of a player.",
     {"player: 0 to 3.", "control: 0 to 7."},
     "The key code, or -1 outside those ranges.",
     {"1", "4"}},
    {"Whether the bound pad is read as an XInput pad (known from the frame after binding).",
     {},
     "1 for an XInput pad, else 0.",
     {}},
    {"The joystick id the object is bound to (it follows a pad that comes back at another id).",
     {},
     "The id, or -1 when no pad is bound.",
     {}},
    {"Whether the bound pad failed its last read.", {}, "1 while the pad does not answer, else 0.", {}},
    {"The slot a pad bit feeds.",
     {"bit: the pad bit, 0 to 15."},
     "The slot 0 to 15, 255 for a bit switched off (SetVirtualButton takes -1 for that), or -1 for a bit outside "
     "0 to 15.",
     {"6"}},
    {"The pad bit that feeds a slot: after a remap, the bit whose button now presses the slot's key.",
     {"slot: 0 to 15."},
     "The highest pad bit feeding the slot, or -1 when none does.",
     {"4"}},
    {"How far an axis of the bound pad is pushed, from the object's latest read.",
     {"axis: 0 X, 1 Y, 2 Z, 3 R, 4 U, 5 V."},
     "-1000 to 1000 (left and up negative); X and Y are 0 inside the dead zone and count from its edge.",
     {"0"}},
    {"How far a trigger of the bound XInput pad is pulled, from the latest read.",
     {"side: 0 left, 1 right."},
     "0 to 255, or -1 when no XInput pad is bound or it is in error.",
     {"1"}},
    {"The direction of the bound pad's hat (D-pad), from the latest read.",
     {},
     "Hundredths of a degree clockwise from up (0, 9000, 18000, 27000), or -1 when centred.",
     {}},
    {"The 16 pad bits the object's keys follow, for button combinations.",
     {},
     "A number whose bit N is set while pad bit N is pressed (1 up, 2 down, 4 left, 8 right, 16 bit 4 ...).",
     {}},
    {"The label on the control that presses a pad bit of the bound pad under the present layout, for prompts "
     "(\"Press Cross to jump\"). After a remap ask for the bit that feeds the slot: getVirtualToReal.",
     {"bit: the pad bit, 0 to 15."},
     "Text: \"Cross\", \"A\", \"LB\", \"Up\", \"Button 5\", or \"\" while no pad is bound.",
     {"getVirtualToReal( pad, 4 )"}},
    {"What kind of pad is bound, for a picture of its buttons.",
     {},
     "-1 no pad bound or in error, 0 a pad without a layout row, 1 XInput, 2 PlayStation, 3 another pad with a "
     "layout row.",
     {}},
};

}  // namespace

const EventHelp* FindEventHelp(EventKind kind, int code)
{
    switch (kind) {
        case EventKind::kCondition:
            return code >= 0 && code < kConditionCount ? &kConditionHelp[code] : nullptr;
        case EventKind::kAction:
            return code >= 0 && code < kActionCount ? &kActionHelp[code] : nullptr;
        case EventKind::kExpression:
            return code >= 0 && code < kExpressionCount ? &kExpressionHelp[code] : nullptr;
    }
    return nullptr;
}

}  // namespace zandrel
