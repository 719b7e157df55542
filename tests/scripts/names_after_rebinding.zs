# An XInput pad bound again while its capabilities cannot be read keeps its
# button names once it reads again: an XInput pad's names need no ids, and the ids
# the binding could not read are read (and the device list rebuilt) when the pad
# answers its probe.
controls 0 0x26 0x28 0x25 0x27 0x41 0x42 0x43 0x44
joystick 1 vid=0x045E pid=0x028E
device "HID\\VID_045E&PID_028E&IG_00"
xinput 0
create p
action p SetPlayerAndPadID 0 1
=> rescan
frame
unplug 1
frame
=> joyConfigChanged
action p SetPlayerAndPadID 0 1
joystick 1
frame
=> rescan
frame
expression p getButtonName 4
=> = "A"
