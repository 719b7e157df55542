# Objects: creation seeds the key map from player 1's control keys, destruction
# releases the keys of the pad bits still held.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x045e pid=0x028e
create a
create b
action a SetPlayerAndPadID 0 0
=> rescan
action b SetPlayerAndPadID 0 0
=> rescan
# Two objects on one pad each send their keys, in creation order.
action b SetVantor 4 0x42
joystick 0 buttons=0x1
frame
=> key down 0x5A
=> key down 0x42
frame 0
joystick 0 buttons=0x1 y=65535
frame
=> key down 0x28
=> key down 0x28
# Destroying releases what the object holds, through its current mapping, even
# for a disabled control.
action a EnableControl 4 0
destroy a
=> key up 0x28
=> key up 0x5A
# b carries on alone.
joystick 0 buttons=0 y=32767
frame
=> key up 0x28
=> key up 0x42

# With nothing held, destroying sends nothing. A name can be used again; the new
# object starts afresh and without the old one's "on" lines.
on b PressedKey 0x41
destroy b
create b
key down 0x41
frame
expression b getVantorSetting 4
=> = 90
expression b getPadID
=> = -1

# The key map is seeded once, at creation, from the low bytes of player 1's keys.
controls 0 0x141 83 65 68 74 75 76 73
expression b getVantorSetting 0
=> = 38
create c
expression c getVantorSetting 0
=> = 65
expression c getVantorSetting 8
=> = 0
