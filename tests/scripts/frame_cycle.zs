# The frame cycle: one plain joystick bound to one object, its buttons, stick and
# hat turned into key strokes on their edges.
#
# Player 1's control keys: up, down, left, right, Z, X, space, return. A new object
# takes them as the keys of button slots 0..7; slots 8..15 send key 0.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x045e pid=0x028e
create pad
action pad SetPlayerAndPadID 0 0
=> rescan

# Nothing held, nothing sent.
frame 3

# A held button: one key down on the first frame, one key up when let go.
joystick 0 buttons=1
frame
=> key down 0x5A
frame 5
joystick 0 buttons=0
frame
=> key up 0x5A

# Several edges in one frame go out in bit order: directions first.
joystick 0 buttons=0x3 x=0
frame
=> key down 0x25
=> key down 0x5A
=> key down 0x58
joystick 0 buttons=0x2 x=32767
frame
=> key up 0x25
=> key up 0x5A
joystick 0 buttons=0
frame
=> key up 0x58

# Button 7 reaches slot 10, which has no key yet: key 0 is sent like any other.
joystick 0 buttons=0x40
frame
=> key down 0x00
joystick 0 buttons=0
frame
=> key up 0x00

# The stick's dead zone around 32000: 18894 and below is left, 45106 and above right.
joystick 0 x=18895
frame
joystick 0 x=18894
frame
=> key down 0x25
joystick 0 x=45105
frame
=> key up 0x25
joystick 0 x=45106
frame
=> key down 0x27
joystick 0 x=32767 y=0
frame
=> key down 0x26
=> key up 0x27
joystick 0 y=65535
frame
=> key up 0x26
=> key down 0x28
joystick 0 y=32767
frame
=> key up 0x28

# The hat: 0 is up, 4500 up and right, 31500..35999 left and up, 36000 and the
# centred 65535 nothing.
joystick 0 pov=0
frame
=> key down 0x26
joystick 0 pov=4500
frame
=> key down 0x27
joystick 0 pov=35999
frame
=> key down 0x25
=> key up 0x27
joystick 0 pov=36000
frame
=> key up 0x26
=> key up 0x25
joystick 0 pov=65535
frame

# Buttons 13 to 16 double as up, right, down and left.
joystick 0 buttons=0x1000
frame
=> key down 0x26
joystick 0 buttons=0xA000
frame
=> key up 0x26
=> key down 0x25
=> key down 0x27
joystick 0 buttons=0
frame
=> key up 0x25
=> key up 0x27

# Two pad bits on one slot: button 2 drives slot 4 too. Z goes down with the
# first of them and up with the last.
action pad SetVirtualButton 5 4
joystick 0 buttons=0x1
frame
=> key down 0x5A
joystick 0 buttons=0x3
frame
joystick 0 buttons=0x2
frame
joystick 0 buttons=0
frame
=> key up 0x5A
action pad SetVirtualButton 5 5

# A bit switched off sends nothing.
action pad SetVirtualButton 4 -1
joystick 0 buttons=0x1
frame
joystick 0 buttons=0
frame
action pad SetVirtualButton 4 4

# A control switched off while held still lets its key go with the button; then
# it sends nothing.
joystick 0 buttons=0x1
frame
=> key down 0x5A
action pad EnableControl 4 0
joystick 0 buttons=0
frame
=> key up 0x5A
joystick 0 buttons=0x1
frame
# Enabled again while held: no new press, and no release for a press it never sent.
action pad EnableControl 4 1
frame
joystick 0 buttons=0
frame

# Remapping while held: the release lets go of the key the press sent.
joystick 0 buttons=0x1
frame
=> key down 0x5A
action pad SetVantor 4 0x41
joystick 0 buttons=0
frame
=> key up 0x5A
