# Two identical XInput-class pads (the stage's virtual pads 0 and 1, joysticks 0 and
# 1) for players 1 and 2 (player 2 with keys of its own), through Wine's own joystick and XInput services.
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
action one SetPlayerAndPadID 0 0
action two SetPlayerAndPadID 1 1
action one SetVantor 10 0x51
action one SetVantor 11 0x52
action two SetVantor 3 0x44
action two SetVantor 4 0x4A
action two SetVantor 10 0x50
action two SetVantor 11 0x4F
frame 30

# Before any button is pressed: each player's stick keys come from its own pad.
pad 1 axis 0 32767
frame 15
=> key down 0x44
pad 1 axis 0 0
frame 15
=> key up 0x44
pad 0 axis 1 32767
frame 15
=> key down 0x28
pad 0 axis 1 0
frame 15
=> key up 0x28

# One press on each: its buttons are its own player's.
pad 0 button 1 1
frame 15
=> key down 0x58
pad 0 button 1 0
frame 15
=> key up 0x58
pad 1 button 0 1
frame 15
=> key down 0x4A
pad 1 button 0 0
frame 15
=> key up 0x4A

# Then each player's triggers, getTrigger and rumble are its own.
pad 1 axis 4 32767
frame 15
=> key down 0x50
expression two getTrigger 0
=> = 255
expression one getTrigger 0
=> = 0
pad 1 reset
frame 15
=> key up 0x50
pad 0 axis 5 32767
frame 15
=> key down 0x52
expression one getTrigger 1
=> = 255
expression two getTrigger 1
=> = 0
pad 0 reset
frame 15
=> key up 0x52
action two XInputSetVibration 30000 40000
frame 15
pad 1 rumble
=> = 30000 40000
pad 0 rumble
=> = 0 0
action one XInputSetVibration 5000 6000
frame 15
pad 0 rumble
=> = 5000 6000
pad 1 rumble
=> = 30000 40000
destroy two
destroy one
pad 0 rumble
=> = 0 0
pad 1 rumble
=> = 0 0
