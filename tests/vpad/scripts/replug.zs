# Player 1's pad (the stage's virtual pad 1, joystick 1) pulled out while a button is
# held, and plugged back with the button still held: Wine gives its id to the
# DualShock 4 above it for a while, which is not taken for it, and the pad reads at an
# id of its own again. Player 2's identical pad is joystick 0, below it: Wine numbers
# its joysticks as it finds them, so a pulled joystick 0 would hand its id to the pad
# above it (see docs/dev/testing.md). Frames are paced at 60 a second.
controls 0 38 40 37 39 90 88 32 13
create one
create two
pace 60
# Wine's joystick service of a new process starts looking for pads with its first
# query, and shows a pad's state with the pad's next report: the pads keep reporting.
pad 0 nudge on
pad 1 nudge on
pad 2 nudge on
expression one getAnyPadID
=> = -1
frame 240
action one SetPlayerAndPadID 0 1
action two SetPlayerAndPadID 1 0
on one PadDisconnected
on one PadReconnected
on two PadDisconnected
on two PadReconnected
frame 30
pad 1 button 0 1
frame 15
=> key down 0x5A
# The key goes up in the frame whose read fails, before PadDisconnected.
pad 1 unplug
frame 30
=> key up 0x5A
=> fired one PadDisconnected
expression one IsError
=> = 1
pad 1 plug
pad 1 button 0 1
# Back within 4 s (240 frames), once, and the key down again; nothing else in between.
frame 240
=> fired one PadReconnected
=> key down 0x5A
expression one IsError
=> = 0
expression one getPadID
=> = 1
expression two getPadID
=> = 0
pad 1 reset
frame 15
=> key up 0x5A
