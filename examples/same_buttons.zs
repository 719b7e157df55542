# Recipe: the same buttons on every pad, and prompts that name them.
# Player 1 moves with the arrow keys, jumps with Z and fires with X.
controls 0 38 40 37 39 90 88 32 13

# The player's pad is a DualShock 4 (vendor 0x054C, product 0x05C4). It is no
# XInput pad: its joystick buttons come in its maker's order, Square, Cross,
# Circle, Triangle, L1, R1, L2, R2, Share, Options, L3, R3, then the PS button and
# the touchpad as buttons 13 and 14.
joystick 0 vid=0x054c pid=0x05c4
create pad
action pad SetPlayerAndPadID 0 0
=> rescan

# At its start the game turns the standard layout on. Bit 4 is then the bottom
# face button on every pad, bit 5 the right one, bit 6 the left one and bit 7 the
# top one, the shoulders, triggers and the rest following, as on an XInput pad.
action pad UseStandardLayout 1

# The title screen names the buttons: "Press Cross to jump, Circle to fire".
expression pad getButtonName 4
=> = "Cross"
expression pad getButtonName 5
=> = "Circle"
# A prompt names the button that presses the jump slot's key now: after the
# player swapped jump onto Circle, that is bit 5, which getVirtualToReal finds.
action pad SetVirtualButton 5 4
action pad SetVirtualButton 4 5
expression pad getVirtualToReal 4
=> = 5
expression pad getButtonName 5
=> = "Circle"
action pad SetVirtualButton 4 4
action pad SetVirtualButton 5 5
# For a picture of the pad: 2 is a PlayStation pad (1 XInput, 3 another pad
# with a layout row, 0 a pad without one).
expression pad getPadType
=> = 2

# Cross jumps (bit 4, slot 4, Z) and Circle fires (bit 5, X).
joystick 0 buttons=0x2
frame
=> key down 0x5A
joystick 0 buttons=0x4
frame
=> key up 0x5A
=> key down 0x58
joystick 0 buttons=0
frame
=> key up 0x58

# The PS button presses nothing now (in the pad's own order it presses up); the
# D-pad moves as before.
joystick 0 buttons=0x1000 pov=27000
frame
=> key down 0x25
joystick 0 buttons=0 pov=65535
frame
=> key up 0x25

# The extension knows the PlayStation pads. For others the game ships a text
# file of layout rows, in the format game-controller mapping databases share,
# and loads it once: the rows serve every object, bound already or later.
file "pads.txt" "# Our extra pads" "03000000d620000011a7000000000000,Some Pad,a:b2,b:b3,x:b1,y:b0,leftshoulder:b4,rightshoulder:b5,back:b8,start:b9,"
action pad LoadPadLayouts "pads.txt"

# The player takes that pad, joystick 1. Its bottom face button is its button 3.
joystick 1 vid=0x20d6 pid=0xa711
action pad SetPlayerAndPadID 0 1
=> rescan
expression pad getPadType
=> = 3
expression pad getButtonName 4
=> = "A"
joystick 1 buttons=0x4
frame
=> key down 0x5A
joystick 1 buttons=0
frame
=> key up 0x5A

# A pad without a row keeps its own order, and its buttons are named by number:
# "Press Button 1 to jump".
joystick 2 vid=0x1234 pid=0x5678
action pad SetPlayerAndPadID 0 2
=> rescan
expression pad getPadType
=> = 0
expression pad getButtonName 4
=> = "Button 1"
