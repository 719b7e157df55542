# PadDisconnected and PadReconnected: raised in the frame in which the bound pad's
# read fails (right after the joystick service is told) and in the frame in which
# a probe finds it again. The keys it held go up before PadDisconnected.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x045e pid=0x028e
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
on pad PadDisconnected
on pad PadReconnected
# The extension alone raises them; evaluated, they answer true.
condition pad PadDisconnected
=> = 1
condition pad PadReconnected
=> = 1
joystick 0 x=0 buttons=1
frame
=> key down 0x25
=> key down 0x5A

# Unplugged: one PadDisconnected, then quiet probes.
unplug 0
frame
=> key up 0x25
=> key up 0x5A
=> joyConfigChanged
=> fired pad PadDisconnected
frame 3
# ResetKey still releases every slot's key.
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

# Plugged in again with the stick still left: the probe raises PadReconnected (the
# ids were known: no rescan). Until the next read the values are those of no read;
# that read sends Left down again.
joystick 0 buttons=0
frame
=> fired pad PadReconnected
expression pad IsError
=> = 0
expression pad getAxis 0
=> = 0
expression pad getPOV
=> = -1
frame
=> key down 0x25
expression pad getAxis 0
=> = -961

# Other objects' events stay theirs; a pad that was never there raises
# PadDisconnected in the first frame, and its recovery reads its ids before
# PadReconnected (the game's answer can name the pad), then rescans.
create late
on late PadDisconnected
on late PadReconnected do expression late getDeviceName 0
registry 0x046d 0xc216 "Wheel"
action late SetPlayerAndPadID 1 1
frame
=> joyConfigChanged
=> fired late PadDisconnected
joystick 1 vid=0x046d pid=0xc216
frame
=> fired late PadReconnected
=> = "Wheel"
=> rescan

# A game that answers PadReconnected by binding another pad keeps that binding
# whole: the probe does nothing more in that frame (no second rescan, no ids of
# the pad that came back).
registry 0x045e 0x028e "Pad Two"
device "HID\\VID_045E&PID_028E&IG_00"
joystick 3 vid=0x045e pid=0x028e
on late PadReconnected do action late SetPlayerAndPadID 1 3
unplug 1
frame
=> joyConfigChanged
=> fired late PadDisconnected
joystick 1
frame
=> fired late PadReconnected
=> = "Wheel"
=> fired late PadReconnected
=> rescan
expression late getPadID
=> = 3
expression late getDeviceName 0
=> = "Pad Two"
frame
expression late IsXInput
=> = 1
destroy late

# An XInput pad whose joystick read fails while XInput still answers stays in
# error: one PadDisconnected, and PadReconnected only once the joystick reads again.
unplug 3
device "HID\\VID_045E&PID_028E&IG_00"
joystick 2 vid=0x045e pid=0x028e
xinput 0 lt=20
create xpad
on xpad PadDisconnected
on xpad PadReconnected
action xpad SetPlayerAndPadID 0 2
=> rescan
frame
expression xpad IsXInput
=> = 1
unplug 2
frame
=> joyConfigChanged
=> fired xpad PadDisconnected
expression xpad getTrigger 0
=> = -1
frame 3
expression xpad IsError
=> = 1
joystick 2
frame
=> fired xpad PadReconnected
frame
expression xpad getTrigger 0
=> = 20
