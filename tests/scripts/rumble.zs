# Rumble stops with the object that started it: when it is destroyed (after its key
# releases) and when it is bound again. A pad the object never set is left alone.
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
