# The eleven actions (the two settings actions have a script of their own).
controls 0 38 40 37 39 90 88 32 13
controls 2 87 83 65 68 74 75 76 73
joystick 0 vid=0x045e pid=0x028e
registry 0x045e 0x028e "Test Pad"
create pad

# SetPlayerAndPadID: an unknown joystick is stored, but its ids are not read and
# nothing is rescanned.
action pad SetPlayerAndPadID 1 5
expression pad getPadID
=> = 5
expression pad getDeviceName 0
=> = ""
# A joystick that answers: its ids are read and the device list is rebuilt.
action pad SetPlayerAndPadID 0 0
=> rescan
expression pad getDeviceName 0
=> = "Test Pad"
# Another player on the same pad: only the player is stored (no rescan), and the
# key map is not seeded again from that player's keys.
action pad SetPlayerAndPadID 2 0
expression pad getVantorSetting 0
=> = 38

# SetCFControlKey writes the host's table: 16 bits of the key, players 0..3 and
# buttons 0..7 only. The object's own key map does not change.
action pad SetCFControlKey 3 7 0x12345
expression pad getCFControlKey 3 7
=> = 9029
action pad SetCFControlKey 4 0 65
action pad SetCFControlKey -1 0 65
action pad SetCFControlKey 0 8 65
action pad SetCFControlKey 0 -1 65
expression pad getCFControlKey 0 0
=> = 38
action pad SetCFControlKey 0 4 0x41
expression pad getCFControlKey 0 4
=> = 65
expression pad getVantorSetting 4
=> = 90

# SetVantor: slots 0..15, 8 bits of the key code.
action pad SetVantor 15 0x141
expression pad getVantorSetting 15
=> = 65
action pad SetVantor 16 0x42
action pad SetVantor -1 0x42
expression pad getVantorSetting 15
=> = 65

# SetVirtualButton: real bits 0..15, slots -1..15.
action pad SetVirtualButton 5 -1
expression pad getVirtualButtonSetting 5
=> = 255
action pad SetVirtualButton 5 16
action pad SetVirtualButton 5 -2
action pad SetVirtualButton 16 3
expression pad getVirtualButtonSetting 5
=> = 255
action pad SetVirtualButton 5 5

# EnableControl: -1 is every bit, only the low byte of the value counts.
joystick 0 buttons=0x1
frame
=> key down 0x5A
joystick 0 buttons=0
frame
=> key up 0x5A
action pad EnableControl -1 256
joystick 0 buttons=0x1 x=0
frame
joystick 0 buttons=0 x=32767
frame
action pad EnableControl 3 2
action pad EnableControl 16 1
action pad EnableControl -2 1
joystick 0 x=65535
frame
=> key down 0x27
joystick 0 x=32767
frame
=> key up 0x27
action pad EnableControl -1 1

# Actions that test the object's player do nothing for player 7, though the pad
# still drives keys.
action pad SetPlayerAndPadID 7 0
action pad SetVantor 4 0x51
action pad SetVirtualButton 4 -1
action pad EnableControl 4 0
joystick 0 buttons=0x1
frame
=> key down 0x5A
joystick 0 buttons=0
frame
=> key up 0x5A
action pad SetPlayerAndPadID 0 0

# ResetKey releases the key of every slot, held or not, key 0 included.
joystick 0 buttons=0x1
frame
=> key down 0x5A
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
=> key up 0x41
# The button is still held as far as the object knows: no new press, and
# letting it go sends nothing more.
frame
joystick 0 buttons=0
frame

# ReLoadDeviceList tells the joystick service and rescans, bound or not.
action pad ReLoadDeviceList
=> joyConfigChanged
=> rescan
create spare
action spare ReLoadDeviceList
=> joyConfigChanged
=> rescan

# POVZeroIN takes the stick's rest position as its centre: at 32767 the left
# threshold moves from 18894 to 19661.
action spare POVZeroIN
joystick 0 x=19661
frame
joystick 0 x=32767
action pad POVZeroIN
frame
joystick 0 x=19662
frame
joystick 0 x=19661
frame
=> key down 0x25
joystick 0 x=32767
frame
=> key up 0x25
