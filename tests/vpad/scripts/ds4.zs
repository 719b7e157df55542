# The DualShock 4 (the stage's virtual pad 2, joystick 2), which Wine drives as an
# XInput pad: from binding on it is an XInput pad, named as one, and its buttons send
# keys (Wine's first ten buttons, in the XInput pad's order: Square is A, Cross B).
controls 0 38 40 37 39 90 88 32 13
create ds
pace 60
# Wine's joystick service of a new process starts looking for pads with its first
# query, and shows a pad's state with the pad's next report: the pads keep reporting.
pad 0 nudge on
pad 1 nudge on
pad 2 nudge on
expression ds getAnyPadID
=> = -1
frame 240
action ds SetPlayerAndPadID 0 2
expression ds getPadType
=> = 1
expression ds getButtonName 4
=> = "A"
expression ds getButtonName 10
=> = "LT"
frame 30
pad 2 button 0 1
frame 15
=> key down 0x5A
pad 2 button 1 1
frame 15
=> key down 0x58
pad 2 button 0 0
pad 2 button 1 0
frame 15
=> key up 0x5A
=> key up 0x58
pad 2 hat 0 e
frame 15
=> key down 0x27
pad 2 hat 0 c
frame 15
=> key up 0x27
expression ds getPadType
=> = 1
expression ds getButtonName 4
=> = "A"
expression ds IsXInput
=> = 1
