# Troubleshooting: what the extension does when things seem to go wrong.
controls 0 38 40 37 39 90 88 32 13

# No pad found. Binding a joystick id that does not answer rescans nothing; the
# first frame finds the pad missing, tells the joystick service and puts the
# object in error. No keys are sent while it is in error.
create pad
action pad SetPlayerAndPadID 0 1
frame
=> joyConfigChanged
expression pad IsError
=> = 1
# Quietly, every frame, it asks again. Once the pad is plugged in, its first
# answer clears the error and starts a rescan for XInput pads...
frame 5
joystick 1 vid=0x046d pid=0xc216
frame
=> rescan
expression pad IsError
=> = 0
# ...and from the next frame its buttons send keys.
joystick 1 buttons=1
frame
=> key down 0x5A
joystick 1 buttons=0
frame
=> key up 0x5A
# getAnyPadID finds a pad by a held button; the stick alone is not enough.
joystick 1 x=0
expression pad getAnyPadID
=> = -1
joystick 1 x=32767
destroy pad

# XInput triggers. The triggers are bits 10 and 11 only on a pad the extension
# knows as an XInput pad: one that the device inventory lists with "IG_" in its
# id. This pad is not listed yet: a trigger does nothing, and its joystick
# button 7 is bit 10.
joystick 0 vid=0x045e pid=0x028e
xinput 0
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
action pad SetVantor 10 0x51
frame
expression pad IsXInput
=> = 0
xinput 0 lt=255
frame
joystick 0 buttons=0x40
frame
=> key down 0x51
joystick 0 buttons=0
frame
=> key up 0x51
# Once it is listed, ReLoadDeviceList finds it, and from the next frame a
# trigger pulled further than the threshold (30 of 255 unless the game called
# SetTriggerThreshold) presses its bit.
device "HID\\VID_045E&PID_028E&IG_00\\7&2"
action pad ReLoadDeviceList
=> joyConfigChanged
=> rescan
frame
=> key down 0x51
expression pad IsXInput
=> = 1
xinput 0 lt=30
frame
=> key up 0x51
destroy pad

# ResetKey lets go of every key the object can send: a key-up for each of the 16
# slots' keys (slots 8 to 15 hold key 0 here), held or not.
joystick 1 vid=0x046d pid=0xc216
create pad
action pad SetPlayerAndPadID 0 1
=> rescan
action pad ResetKey
=> key up 0x26
=> key up 0x28
=> key up 0x25
=> key up 0x27
=> key up 0x5A
=> key up 0x58
=> key up 0x20
=> key up 0x0D
=> key up 0x00
=> key up 0x00
=> key up 0x00
=> key up 0x00
=> key up 0x00
=> key up 0x00
=> key up 0x00
=> key up 0x00
