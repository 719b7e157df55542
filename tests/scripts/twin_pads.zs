# Two identical XInput pads, one a player. The device inventory cannot tell which
# XInput index is whose: both guess the first, until a press shows it. Here the
# indexes run crossed: index 0 is joystick 1's pad, index 1 joystick 0's.
controls 0 0x26 0x28 0x25 0x27 0x41 0x42 0x43 0x44
device "HID\\VID_045E&PID_028E&IG_00\\1"
device "HID\\VID_045E&PID_028E&IG_01\\2"
joystick 0 vid=0x045e pid=0x028e
joystick 1 vid=0x045e pid=0x028e
xinput 0 of 1
xinput 1 of 0
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

# Buttons and the stick come from each player's own joystick from the start.
joystick 1 x=0
frame
=> key down 0x25
joystick 1 x=32767
frame
=> key up 0x25

# Player one's trigger waits for a press: a trigger alone shows nothing.
xinput 1 of 0 lt=200
frame
# One press, held for two frames: the second takes index 1 and its trigger.
joystick 0 buttons=1
frame
=> key down 0x41
frame
=> key down 0x51
expression one getTrigger 0
=> = 200
expression two getTrigger 0
=> = 0
joystick 0 buttons=0
xinput 1 of 0 lt=0
frame
=> key up 0x41
=> key up 0x51

# Player two's press agrees with its own index at once: confirmed, trigger and all.
xinput 0 of 1 lt=100
joystick 1 buttons=1
frame
=> key down 0x4A
=> key down 0x50
joystick 1 buttons=0
xinput 0 of 1 lt=0
frame
=> key up 0x4A
=> key up 0x50

# Rumble goes to each player's own pad.
action one XInputSetVibration 100 200
=> vibrate 1 100 200
action two XInputSetVibration 300 400
=> vibrate 0 300 400

# getInputPadButtonNumber decodes each pad through the index the frames found.
xinput 1 of 0 lt=200
expression one getInputPadButtonNumber 0
=> = 10
expression two getInputPadButtonNumber 0
=> = 10
expression one getInputPadButtonNumber 1
=> = -1
xinput 1 of 0 lt=0

# Confirmed, each reads only its own index: both pads pressed alike move nothing.
joystick 0 buttons=2
joystick 1 buttons=2
frame 2
=> key down 0x42
=> key down 0x42
joystick 0 buttons=0
joystick 1 buttons=0
frame
=> key up 0x42
=> key up 0x42
xinput 1 of 0 rt=20
expression one getTrigger 1
=> = 0
frame
expression one getTrigger 1
=> = 20
expression two getTrigger 1
=> = 0
