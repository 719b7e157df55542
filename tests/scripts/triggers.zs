# XInput triggers: the threshold a trigger must exceed to press its bit (10 left,
# 11 right), getTrigger's values, and the tuning on the expressions that read pads.
controls 0 38 40 37 39 90 88 32 13
device "HID\\VID_045E&PID_028E&IG_00"
joystick 0 vid=0x045e pid=0x028e
xinput 0
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
action pad SetVantor 10 0x41
action pad SetVantor 11 0x42
# Bound, before the first frame read the triggers.
expression pad getTrigger 0
=> = -1
frame
expression pad IsXInput
=> = 1
expression pad getTrigger 0
=> = 0

# The default threshold is 30: 30 is not pressed, 31 is.
xinput 0 lt=30 rt=30
frame
expression pad getTrigger 0
=> = 30
expression pad getTrigger 1
=> = 30
xinput 0 lt=31
frame
=> key down 0x41
expression pad getTrigger 0
=> = 31

# SetTriggerThreshold 100: 100 lets go, 101 presses.
action pad SetTriggerThreshold 100
xinput 0 lt=100 rt=101
frame
=> key up 0x41
=> key down 0x42
# Outside 0..254 nothing changes.
action pad SetTriggerThreshold 255
action pad SetTriggerThreshold -1
frame
xinput 0 rt=100
frame
=> key up 0x42
# The ends: 254 leaves only 255 pressed; 0 presses anything above 0.
action pad SetTriggerThreshold 254
xinput 0 lt=254 rt=255
frame
=> key down 0x42
action pad SetTriggerThreshold 0
xinput 0 lt=0 rt=1
frame
expression pad getTrigger 0
=> = 0
expression pad getTrigger 1
=> = 1
xinput 0 lt=1
frame
=> key down 0x41
# Sides other than 0 and 1 give -1.
expression pad getTrigger 2
=> = -1
expression pad getTrigger -1
=> = -1

# getAnyPadID and getInputPadButtonNumber read with the object's threshold: a
# trigger at 50 counts under threshold 30, not under 100.
action pad SetTriggerThreshold 30
xinput 0 lt=50 rt=0
frame
=> key up 0x42
expression pad getAnyPadID
=> = 0
expression pad getInputPadButtonNumber 0
=> = 10
action pad SetTriggerThreshold 100
expression pad getAnyPadID
=> = -1
expression pad getInputPadButtonNumber 0
=> = -1
# ...and the object's dead zone: a stick at 40000 is right under 20%, not under 40%.
joystick 1 vid=0x046d pid=0xc216 x=40000
expression pad getInputPadButtonNumber 1
=> = -1
action pad SetDeadZone 20
expression pad getInputPadButtonNumber 1
=> = 3

# The XInput read fails: -1, and the trigger bits go as the composition loses them.
action pad SetTriggerThreshold 30
frame
xinput 0 fail
frame
=> key up 0x41
expression pad getTrigger 0
=> = -1
xinput 0
frame
=> key down 0x41
expression pad getTrigger 0
=> = 50

# In error: -1.
unplug 0
frame
=> key up 0x41
=> joyConfigChanged
expression pad getTrigger 0
=> = -1

# A plain pad has no triggers; neither has an unbound object.
create plain
action plain SetPlayerAndPadID 1 1
=> rescan
frame
expression plain IsXInput
=> = 0
expression plain getTrigger 0
=> = -1
create unbound
expression unbound getTrigger 1
=> = -1
