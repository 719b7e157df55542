# Two identical XInput pads whose XInput indexes follow their joystick ids. Both
# guess index 0 at first; a press of one pad confirms it for that pad, and the other
# player's next guess skips an index confirmed for another pad.
controls 0 0x26 0x28 0x25 0x27 0x41 0x42 0x43 0x44
device "HID\\VID_045E&PID_028E&IG_00\\1"
device "HID\\VID_045E&PID_028E&IG_01\\2"
joystick 0 vid=0x045e pid=0x028e
joystick 1 vid=0x045e pid=0x028e
xinput 0 of 0
xinput 1 of 1 lt=200
create one
create two
action one SetPlayerAndPadID 0 0
=> rescan
action two SetPlayerAndPadID 1 1
=> rescan
action one SetVantor 10 0x51
action two SetVantor 4 0x4A
action two SetVantor 10 0x50
frame
expression two getTrigger 0
=> = 0

# Both pads pressed alike at once: both indexes agree, so nothing is confirmed.
joystick 0 buttons=1
joystick 1 buttons=1
frame 2
=> key down 0x41
=> key down 0x4A
joystick 0 buttons=0
joystick 1 buttons=0
frame
=> key up 0x41
=> key up 0x4A

# Player one presses alone: index 0 is confirmed for joystick 0, and player two,
# guessing again in the same frame, takes index 1 and its held trigger.
joystick 0 buttons=4
frame
=> key down 0x43
=> key down 0x50
expression two getTrigger 0
=> = 200
expression one getTrigger 0
=> = 0
action one XInputSetVibration 1 2
=> vibrate 0 1 2
action two XInputSetVibration 3 4
=> vibrate 1 3 4
