# Recipe: move as far as the stick is pushed, and let the player choose the dead
# zone. The stick still presses the arrow keys; the game reads getAxis for speed.
controls 0 38 40 37 39 90 88 32 13
device "HID\\VID_045E&PID_028E&IG_00"
joystick 0 vid=0x045e pid=0x028e
xinput 0
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
action pad UseStandardLayout 1
# The options menu asks the player to let go of the stick and press jump; with
# the stick at rest the game centres it, so that full left and full right read
# -1000 and 1000 alike.
action pad POVZeroIN

# Every frame the game sets its player's speed from getAxis 0 (X; 1 is Y, down
# positive). A small push stays inside the dead zone, 40% at first: 0, and no key.
joystick 0 x=43000
frame
expression pad getAxis 0
=> = 0
# Past the dead zone the right arrow goes down and getAxis counts from the
# edge of the dead zone, so speed grows from 1 without a jump.
joystick 0 x=50000
frame
=> key down 0x27
expression pad getAxis 0
=> = 210
joystick 0 x=65535
frame
expression pad getAxis 0
=> = 1000
joystick 0 x=32767
frame
=> key up 0x27

# The options menu offers a smaller dead zone, for a stick that rests well centred.
# SetDeadZone 20: the same small push now walks, arrow key and speed together.
action pad SetDeadZone 20
joystick 0 x=43000
frame
=> key down 0x27
expression pad getAxis 0
=> = 141
joystick 0 x=32767
frame
=> key up 0x27

# The right trigger runs: the game gives its slot (11) the run key, C, and reads
# how far it is pulled with getTrigger 1 (0 to 255). The key goes down once the
# trigger passes the threshold, 30 at first.
action pad SetVantor 11 0x43
xinput 0 rt=25
frame
expression pad getTrigger 1
=> = 25
xinput 0 rt=120
frame
=> key down 0x43
# A player whose finger rests on the trigger asks for a firmer pull:
# SetTriggerThreshold 150. The key lets go; getTrigger still tells the value.
action pad SetTriggerThreshold 150
frame
=> key up 0x43
expression pad getTrigger 1
=> = 120
