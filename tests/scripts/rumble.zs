# Rumble stops with the object that started it: when it is destroyed (after its key
# releases), when it is bound to another pad, when its pad is lost and in frames
# away from the game. A pad the object never set is left alone.
controls 0 38 40 37 39 90 88 32 13
device "HID\\VID_045E&PID_028E&IG_00"
device "HID\\VID_045E&PID_02FF&IG_01"
joystick 0 vid=0x045e pid=0x028e
joystick 1 vid=0x045e pid=0x02ff
xinput 0
xinput 1
create pad
create other
action pad SetPlayerAndPadID 0 0
=> rescan
action other SetPlayerAndPadID 1 1
=> rescan
joystick 0 buttons=1
frame
=> key down 0x5A
action pad XInputSetVibration 0x10000 0x20001
=> vibrate 0 0 1
destroy pad
=> key up 0x5A
=> vibrate 0 0 0

# Both speeds 0 forget the pad: nothing to stop later. The speeds are cut to 16 bits.
action other XInputSetVibration 300 0
=> vibrate 1 300 0
action other XInputSetVibration 0x10000 0
=> vibrate 1 0 0
destroy other

# Binding another pad stops the motors first, with SetPlayerAndPadID or a LoadSetting
# that opens its file; a load that fails, or one that binds the same pad, leaves them
# running.
joystick 0 buttons=0
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
frame
action pad SaveSetting "rumble.cfg"
action pad XInputSetVibration 7 8
=> vibrate 0 7 8
action pad LoadSetting "rumble_missing.cfg"
action pad LoadSetting "rumble.cfg"
frame
action pad XInputSetVibration 9 0
=> vibrate 0 9 0
action pad SetPlayerAndPadID 0 1
=> vibrate 0 0 0
=> rescan
# A pad the object never set is not touched when it goes.
create bystander
action bystander SetPlayerAndPadID 1 0
=> rescan
frame
destroy bystander

# Every index the object set running is stopped, lowest first: here its pad was at
# index 1, then a rescan moved it to index 0. A frame away from the game stops both.
devices clear
device "USB\\VID_0002&PID_0002&IG_00"
device "HID\\VID_045E&PID_028E&IG_01"
create moved
action moved SetPlayerAndPadID 0 0
=> rescan
frame
action moved XInputSetVibration 100 200
=> vibrate 1 100 200
devices clear
device "HID\\VID_045E&PID_028E&IG_00"
action moved ReLoadDeviceList
=> joyConfigChanged
=> rescan
frame
action moved XInputSetVibration 300 0
=> vibrate 0 300 0
focus away
frame
=> vibrate 0 0 0
=> vibrate 1 0 0
frame
focus game

# A pad lost while its motors run: they stop before the joystick service is told.
# In error it holds no motor but one the game's answer sets running; away, the
# object stops it though it reads no pad.
action moved XInputSetVibration 4 4
=> vibrate 0 4 4
on moved PadDisconnected do action moved XInputSetVibration 5 5
unplug 0
frame
=> vibrate 0 0 0
=> joyConfigChanged
=> fired moved PadDisconnected
=> vibrate 0 5 5
frame
focus away
frame
=> vibrate 0 0 0
frame
focus game
joystick 0
frame 2

# So does an object bound to no pad (its index stays, so the game can still set it).
action moved SetPlayerAndPadID 0 -1
action moved XInputSetVibration 8 8
=> vibrate 0 8 8
focus away
frame
=> vibrate 0 0 0
frame
destroy moved
