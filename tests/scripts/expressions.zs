# The eleven expressions.
controls 0 38 40 37 39 90 88 32 13
create pad

# A fresh object: no pad, the identity button map, player 1's keys in slots 0..7.
expression pad IsXInput
=> = 0
expression pad getPadID
=> = -1
expression pad IsError
=> = 0
expression pad getVantorSetting 0
=> = 38
expression pad getVantorSetting 7
=> = 13
expression pad getVantorSetting 8
=> = 0
expression pad getVantorSetting 16
=> = -1
expression pad getVantorSetting -1
=> = -1
expression pad getVirtualButtonSetting 15
=> = 15
expression pad getVirtualButtonSetting 16
=> = -1
expression pad getVirtualToReal 7
=> = 7
expression pad getVirtualToReal 16
=> = -1
expression pad getCFControlKey 0 3
=> = 39
expression pad getCFControlKey 0 8
=> = -1
expression pad getCFControlKey 4 0
=> = -1
expression pad getCFControlKey -1 -1
=> = -1

# getVirtualToReal answers the highest real bit on a slot; an off bit is never found.
action pad SetPlayerAndPadID 0 -1
action pad SetVirtualButton 2 4
action pad SetVirtualButton 7 4
action pad SetVirtualButton 4 9
expression pad getVirtualToReal 4
=> = 7
expression pad getVirtualToReal 2
=> = -1
action pad SetVirtualButton 3 -1
expression pad getVirtualButtonSetting 3
=> = 255
expression pad getVirtualToReal -1
=> = -1

# getInputKeyCode: the lowest listed key that is down, from a fresh snapshot.
expression pad getInputKeyCode
=> = -1
key down 0x41
key down 0x10
expression pad getInputKeyCode
=> = 16
key up 0x10
expression pad getInputKeyCode
=> = 65
key up 0x41
# A mouse button and the numeric separator are not listed keys.
key down 0x01
key down 0x6C
expression pad getInputKeyCode
=> = -1
key up 0x01
key up 0x6C
# The left Shift key shows as the generic Shift too.
key down 0xA0
expression pad getInputKeyCode
=> = 16
key up 0xA0
key down 0xE2
expression pad getInputKeyCode
=> = 226
keyboard fail
expression pad getInputKeyCode
=> = -1
keyboard ok
key up 0xE2

# getInputPadButtonNumber: the lowest pad bit of any joystick 0..3.
joystick 0 x=0 buttons=0x1
expression pad getInputPadButtonNumber 0
=> = 2
joystick 0 x=32767 buttons=0x1000
expression pad getInputPadButtonNumber 0
=> = 0
joystick 0 buttons=0x800
expression pad getInputPadButtonNumber 0
=> = 15
joystick 0 buttons=0
expression pad getInputPadButtonNumber 0
=> = -1
expression pad getInputPadButtonNumber 2
=> = -1
expression pad getInputPadButtonNumber 4
=> = -1
expression pad getInputPadButtonNumber -1
=> = -1

# getAnyPadID: the first joystick with a button down; the stick does not count,
# buttons 13..16 do.
joystick 1 buttons=0x4
joystick 0 x=0
expression pad getAnyPadID
=> = 1
joystick 1 buttons=0
joystick 0 x=32767 buttons=0x8000
expression pad getAnyPadID
=> = 0
joystick 0 buttons=0
expression pad getAnyPadID
=> = -1

# getDeviceName: the registry's name of the object's own pad, whatever parameter
# 0, 1 or 2 is given; anything else gives the empty string.
joystick 3 vid=0x1234 pid=0xabcd
registry 0x1234 0xabcd "Pad \"Pro\" \\ 2 é"
action pad SetPlayerAndPadID 0 3
=> rescan
expression pad getDeviceName 0
=> = "Pad \"Pro\" \\ 2 é"
expression pad getDeviceName 2
=> = "Pad \"Pro\" \\ 2 é"
expression pad getDeviceName 3
=> = ""
expression pad getDeviceName -1
=> = ""
expression pad getPadID
=> = 3
# A long name is cut to the 65 characters of the string result.
registry 0x1234 0xabcd "0123456789abcdefghij0123456789abcdefghij0123456789abcdefghij0123456789"
expression pad getDeviceName 1
=> = "0123456789abcdefghij0123456789abcdefghij0123456789abcdefghij01234"
# A pad without a name in the registry has the empty name.
joystick 3 pid=0xabce
action pad SetPlayerAndPadID 0 3
=> rescan
expression pad getDeviceName 0
=> = ""
# A pad in error has no name until it answers again.
unplug 3
frame
=> joyConfigChanged
expression pad IsError
=> = 1
expression pad getDeviceName 0
=> = ""
# The error does not stop getAnyPadID.
joystick 2 buttons=0x1
expression pad getAnyPadID
=> = 2
