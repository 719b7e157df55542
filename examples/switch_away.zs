# Recipe: the keys stop when the player switches to another program, and come
# back with the game.
# Player 1 moves with the arrow keys and jumps with Z.
controls 0 38 40 37 39 90 88 32 13
device "HID\\VID_045E&PID_028E&IG_00"
joystick 0 vid=0x045e pid=0x028e
xinput 0
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
frame

# The player runs right, holding jump, and the game sets the pad rumbling.
joystick 0 x=65535 buttons=1
frame
=> key down 0x27
=> key down 0x5A
action pad XInputSetVibration 20000 20000
=> vibrate 0 20000 20000

# Alt+Tab: a browser comes to the front, the stick and jump still held. In the
# next frame the object lets go of both keys and stops the motors it started, so
# the browser gets no Right arrow that repeats.
focus away
frame
=> key up 0x27
=> key up 0x5A
=> vibrate 0 0 0
# While the browser is in front the object sends nothing, whatever the pad does.
# The game can still read it: getAxis answers the stick.
joystick 0 x=65535 buttons=3
frame 60
expression pad getAxis 0
=> = 1000

# Back to the game: the keys still pressed go down again. The rumble stays off
# until the game sets it again.
focus game
frame
=> key down 0x27
=> key down 0x5A
=> key down 0x58

# A game that wants 1.0's behaviour, keys whatever is in front, asks for it.
action pad SetKeysInBackground 1
focus away
joystick 0 x=32767 buttons=0
frame
=> key up 0x27
=> key up 0x5A
=> key up 0x58
