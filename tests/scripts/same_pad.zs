# A game that binds in an event true every frame binds the same pad again and
# again: that stores the player and changes nothing else. No rescan, no key
# released, no motor stopped, the XInput index kept.
controls 0 0x26 0x28 0x25 0x27 0x41 0x42 0x43 0x44
device "HID\\VID_045E&PID_028E&IG_00"
joystick 0 vid=0x045e pid=0x028e
xinput 0 of 0
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
frame
joystick 0 buttons=1
frame
=> key down 0x41
action pad XInputSetVibration 1000 2000
=> vibrate 0 1000 2000
action pad SetPlayerAndPadID 0 0
frame
action pad SetPlayerAndPadID 1 0
frame
action pad SetPlayerAndPadID 1 0
expression pad IsXInput
=> = 1
joystick 0 buttons=0
frame
=> key up 0x41
joystick 0 buttons=1
frame
=> key down 0x41

# The same id whose pad now reads other ids is bound anew (a rescan), still
# releasing and stopping nothing.
joystick 0 vid=0x045e pid=0x02ff
action pad SetPlayerAndPadID 1 0
=> rescan
expression pad IsXInput
=> = 0

# A binding to no pad releases the keys held and stops the motors first.
action pad SetPlayerAndPadID 1 -1
=> key up 0x41
=> vibrate 0 0 0
frame
