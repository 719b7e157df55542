# XInput pads: listed by the device inventory with "IG_" in their ids. A joystick
# whose vendor and product ids are in the list reads its triggers through XInput
# and can vibrate; its position in the list is its XInput user index.
controls 0 38 40 37 39 90 88 32 13
device "ROOT\\SYSTEM\\0000"
device "HID\\VID_045E&PID_028E&IG_00\\7&2"
joystick 0 vid=0x045e pid=0x028e
xinput 0
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
# The pad is resolved by the next frame that reads it; until then no vibration.
expression pad IsXInput
=> = 0
action pad XInputSetVibration 100 200
frame
expression pad IsXInput
=> = 1
action pad XInputSetVibration 1000 65536
=> vibrate 0 1000 0
action pad XInputSetVibration -1 65535
=> vibrate 0 65535 65535

# Triggers above 30 are buttons 10 and 11; joystick button 7 moves up to bit 12.
action pad SetVantor 10 0x51
action pad SetVantor 11 0x45
action pad SetVantor 12 0x52
xinput 0 lt=30
frame
xinput 0 lt=31 rt=255
frame
=> key down 0x51
=> key down 0x45
xinput 0 lt=0 rt=0
frame
=> key up 0x51
=> key up 0x45
joystick 0 buttons=0x40
frame
=> key down 0x52

# A failing XInput read loses only the trigger bits: the held button stays down,
# the held trigger goes up and comes back once XInput answers.
xinput 0 lt=200
frame
=> key down 0x51
xinput 0 fail
frame
=> key up 0x51
expression pad getInputPadButtonNumber 0
=> = 12
xinput 0
frame
=> key down 0x51
xinput 0 lt=0
joystick 0 buttons=0
frame
=> key up 0x51
=> key up 0x52
xinput 0 lt=200
expression pad getInputPadButtonNumber 0
=> = 10
expression pad getAnyPadID
=> = 0
xinput 0 lt=0
expression pad getAnyPadID
=> = -1

# A joystick whose ids are not listed is a plain joystick: no vibration, and
# button 7 is bit 10 (slot 10, key 0 here).
create plain
joystick 1 vid=0x046d pid=0xc216
action plain SetPlayerAndPadID 0 1
=> rescan
frame
expression plain IsXInput
=> = 0
action plain XInputSetVibration 5 5
joystick 1 buttons=0x40
frame
=> key down 0x00
joystick 1 buttons=0
frame
=> key up 0x00

# A rescan rebuilds the shared list, but only the object that asked looks its pad
# up again: pad keeps index 0 although its pad moved to position 1.
devices clear
xinput 1
device "USB\\VID_0002&PID_0002&IG_00"
device "HID\\VID_045E&PID_028E&IG_01\\7&2"
action plain ReLoadDeviceList
=> joyConfigChanged
=> rescan
action pad XInputSetVibration 1 2
=> vibrate 0 1 2
action pad ReLoadDeviceList
=> joyConfigChanged
=> rescan
frame
action pad XInputSetVibration 3 4
=> vibrate 1 3 4

# Vibration needs a player 0..3 too. Binding the same pad again, with another
# player, leaves the motors running and rescans nothing.
action pad SetPlayerAndPadID 9 0
frame
action pad XInputSetVibration 5 6
action pad SetPlayerAndPadID 0 0
frame

# At most four pads are listed, duplicates included; the marker is upper case.
devices clear
device "USB\\VID_0001&PID_0001&IG_00"
device "USB\\VID_0002&PID_0002&IG_01"
device "USB\\VID_0002&PID_0002&IG_02"
device "USB\\VID_0004&PID_0004&ig_03"
device "USB\\VID_0004&PID_0004&IG_03"
device "USB\\VID_0005&PID_0005&IG_04"
joystick 2 vid=5 pid=5
create fifth
action fifth SetPlayerAndPadID 0 2
=> rescan
frame
expression fifth IsXInput
=> = 0
joystick 3 vid=2 pid=2
create twin
action twin SetPlayerAndPadID 0 3
=> rescan
frame
expression twin IsXInput
=> = 1
action twin XInputSetVibration 7 8
=> vibrate 1 7 8

# A scan whose inventory connection fails leaves the list empty.
devices fail
action twin ReLoadDeviceList
=> joyConfigChanged
=> rescan
frame
expression twin IsXInput
=> = 0
action twin XInputSetVibration 7 8
devices ok
action twin ReLoadDeviceList
=> joyConfigChanged
=> rescan
frame
expression twin IsXInput
=> = 1
