# A DualShock 4 that the device inventory lists as an XInput pad is an XInput pad
# from binding on: its type and button names are the ones the first frame decodes
# with. IsXInput still waits for that frame.
controls 0 0x26 0x28 0x25 0x27 0x41 0x42 0x43 0x44
device "HID\\VID_054C&PID_05C4&IG_00"
joystick 0 vid=0x054c pid=0x05c4
# Its XInput face is index 1; index 0, where the inventory's order puts it, fails.
xinput 1 of 0 lt=200
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
action pad SetVantor 10 0x51
expression pad getPadType
=> = 1
expression pad getButtonName 4
=> = "A"
expression pad IsXInput
=> = 0
# The guess passes over the index that fails: the trigger counts at once.
frame
=> key down 0x51
expression pad getPadType
=> = 1
expression pad getButtonName 4
=> = "A"
expression pad IsXInput
=> = 1
joystick 0 buttons=1
frame
=> key down 0x41
action pad XInputSetVibration 7 7
=> vibrate 1 7 7
