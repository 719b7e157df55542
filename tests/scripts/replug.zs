# A pad unplugged and plugged back: one PadDisconnected when it goes, one
# PadReconnected when it reads again, whether it comes back at its own joystick id
# or, as real pads often do, at another.
controls 0 0x26 0x28 0x25 0x27 0x41 0x42 0x43 0x44
device "HID\\VID_045E&PID_028E&IG_00"
joystick 0 vid=0x045e pid=0x028e
xinput 0 of 0
create pad
on pad PadDisconnected
on pad PadReconnected
action pad SetPlayerAndPadID 0 0
=> rescan
frame

# Back at its own id: the probe reads it again.
unplug 0
frame
=> joyConfigChanged
=> fired pad PadDisconnected
frame 100
joystick 0
frame
=> fired pad PadReconnected
joystick 0 buttons=1
frame
=> key down 0x41
joystick 0 buttons=0
frame
=> key up 0x41

# Its id read again as another pad, as the joystick service may refill a freed id at
# once: not a recovery while the ids are another pad's, one when its own are back.
unplug 0
frame
=> joyConfigChanged
=> fired pad PadDisconnected
joystick 0 vid=0x054c pid=0x05c4
frame 100
expression pad IsError
=> = 1
joystick 0 vid=0x045e pid=0x028e
frame
=> fired pad PadReconnected

# Or as a pad of its kind while its XInput index still fails: not a recovery either.
unplug 0
frame
=> joyConfigChanged
=> fired pad PadDisconnected
xinput 0 fail
joystick 0
frame 100
expression pad IsError
=> = 1
xinput 0 of 0
frame
=> fired pad PadReconnected

# Back at another id, with another XInput index: the other ids are searched in the
# failing frame and then once every 60 frames, so it is found at the 60th.
unplug 0
frame
=> joyConfigChanged
=> fired pad PadDisconnected
joystick 3 vid=0x045e pid=0x028e
xinput 1 of 3 lt=200
action pad SetVantor 10 0x51
frame 59
frame
=> fired pad PadReconnected
expression pad getPadID
=> = 3
expression pad IsError
=> = 0
# Its XInput index is guessed again: the one that answers.
frame
=> key down 0x51
action pad XInputSetVibration 5 6
=> vibrate 1 5 6
frame 100

# Two objects whose identical pads both come back at new ids: each follows one.
joystick 4 vid=0x046d pid=0xc216
joystick 5 vid=0x046d pid=0xc216
create left
create right
on left PadReconnected
on right PadReconnected
action left SetPlayerAndPadID 0 4
=> rescan
action right SetPlayerAndPadID 1 5
=> rescan
frame
unplug 4
unplug 5
frame
=> joyConfigChanged
=> joyConfigChanged
joystick 6 vid=0x046d pid=0xc216
joystick 7 vid=0x046d pid=0xc216
frame 59
frame
=> fired left PadReconnected
=> fired right PadReconnected
expression left getPadID
=> = 6
expression right getPadID
=> = 7
frame 200

# A pad whose ids were never read is only probed at its own id.
create blind
on blind PadReconnected
action blind SetPlayerAndPadID 2 9
frame
=> joyConfigChanged
joystick 8 vid=0x046d pid=0xc216
frame 120
joystick 9 vid=0x046d pid=0xc216
frame
=> fired blind PadReconnected
=> rescan
