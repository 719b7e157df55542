# Keys go only to the game. While another program's window is in front the object
# sends no key: in each frame it releases the keys it holds and stops the rumble it
# started. Back in front, every key still pressed goes down again.
controls 0 38 40 37 39 90 88 32 13
device "HID\\VID_045E&PID_028E&IG_00"
joystick 0 vid=0x045e pid=0x028e
xinput 0
create pad
on pad PressedButton 4
action pad SetPlayerAndPadID 0 0
=> rescan
joystick 0 x=65535 buttons=1
frame
=> key down 0x27
=> key down 0x5A
=> fired pad PressedButton 4
action pad XInputSetVibration 1000 0
=> vibrate 0 1000 0

# Switched away with right and Z held: both released, the motors stopped, once.
focus away
frame
=> key up 0x27
=> key up 0x5A
=> vibrate 0 0 0
frame 2
# Reads, values and the keyboard go on: a key the player presses still counts.
joystick 0 buttons=3
key down 0x41
frame
condition pad RepeatPressedKey 0x41
=> = 1
expression pad getAxis 0
=> = 1000
# The bits the keys follow are none: nothing is held.
expression pad getPadState
=> = 0
key up 0x41

# Back in front: right, Z and X go down again.
focus game
frame
=> key down 0x27
=> key down 0x5A
=> key down 0x58
=> fired pad PressedButton 4

# SetKeysInBackground 1: keys whatever window is in front, nothing released or
# stopped for it, as in 1.0. Values other than 0 and 1 change nothing.
action pad SetKeysInBackground 1
action pad XInputSetVibration 0 5
=> vibrate 0 0 5
focus away
frame
action pad SetKeysInBackground 2
joystick 0 x=32767 buttons=1
frame
=> key up 0x27
=> key up 0x58
# Off again: the next frame away releases Z and stops the motors.
action pad SetKeysInBackground 0
frame
=> key up 0x5A
=> vibrate 0 0 0
action pad SetKeysInBackground -1
frame
