# An XInput index tied to a joystick (`xinput U of J`) answers while that joystick
# is plugged in and fails while it is not, as one real pad answers both services.
controls 0 38 40 37 39 90 88 32 13
device "HID\\VID_045E&PID_028E&IG_00"
joystick 0 vid=0x045e pid=0x028e
xinput 0 of 0 lt=200
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
action pad SetVantor 10 0x41
frame
=> key down 0x41
expression pad getTrigger 0
=> = 200
# Named fields change, the others keep their values.
xinput 0 of 0 rt=7
frame
expression pad getTrigger 1
=> = 7
expression pad getTrigger 0
=> = 200
# Unplugged, the joystick takes its XInput face with it.
xinput 0 of 0 lt=0
frame
=> key up 0x41
unplug 0
frame
=> joyConfigChanged
expression pad getTrigger 0
=> = -1
