# A pad that stops answering: one error frame, probes until it answers again,
# then normal reading.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x045e pid=0x028e
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
joystick 0 buttons=0x1
frame
=> key down 0x5A

# Unplugged while the button is held: the read fails once, the key goes up, and
# the joystick service is told.
unplug 0
frame
=> key up 0x5A
=> joyConfigChanged
expression pad IsError
=> = 1
frame 3
expression pad getInputPadButtonNumber 0
=> = -1

# Plugged in again with the button let go: the probe answers (no keys in that
# frame), the next frame reads it let go: nothing more to send. The ids were known,
# so no rescan.
joystick 0 buttons=0
frame
expression pad IsError
=> = 0
frame

# A pad whose ids were never read: bound while absent, so vid and pid stay 0.
create late
action late SetPlayerAndPadID 1 1
frame
=> joyConfigChanged
expression late IsError
=> = 1
expression late getDeviceName 0
=> = ""
joystick 1 vid=0x046d pid=0xc216
# The first answer to the probe reads its ids and rescans the device list.
frame
=> rescan
joystick 1 buttons=0x2
frame
=> key down 0x58

# An object in error whose pad id is then set negative stays in error; the key
# went up when the pad went, so unbinding has nothing left to release.
unplug 1
frame
=> key up 0x58
=> joyConfigChanged
action late SetPlayerAndPadID 1 -1
frame 2
expression late IsError
=> = 1
expression late getPadID
=> = -1

# An XInput pad whose joystick read fails while XInput still answers stays in
# error: only a joystick read brings it back.
device "HID\\VID_045E&PID_028E&IG_00"
joystick 2 vid=0x045e pid=0x028e
xinput 0
create xpad
action xpad SetPlayerAndPadID 0 2
=> rescan
frame
expression xpad IsXInput
=> = 1
unplug 2
frame
=> joyConfigChanged
frame
expression xpad IsError
=> = 1
frame
expression xpad IsError
=> = 1
