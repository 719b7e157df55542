# Recipe: two players, each on a pad of their own.
# Player 1 moves with the arrow keys and jumps with Z; player 2 moves with
# W S A D and jumps with J. The host keeps these as the players' control keys.
controls 0 38 40 37 39 90 88 32 13
controls 1 87 83 65 68 74 75 76 9
joystick 0 vid=0x046d pid=0xc216
joystick 1 vid=0x046d pid=0xc216

# One object per player. A new object sends player 1's control keys, whatever
# player it is bound to later.
create p1
create p2

# "Press a button to join": the game asks getAnyPadID every frame. It answers the
# lowest joystick id with a button held (the stick and the hat do not count).
expression p1 getAnyPadID
=> = -1
joystick 1 buttons=1
expression p1 getAnyPadID
=> = 1
# Pad 1 joins first and becomes player 1's pad.
action p1 SetPlayerAndPadID 0 1
=> rescan
# The joining press is the button's first press: p1 sends Z.
frame
=> key down 0x5A
joystick 1 buttons=0
frame
=> key up 0x5A

# The answer is the lowest id with a button down: while player 1 holds a button,
# a pad with a higher id cannot be told apart. The game skips ids already taken
# and waits for an id that is free.
joystick 0 buttons=2
expression p2 getAnyPadID
=> = 0
action p2 SetPlayerAndPadID 1 0
=> rescan
# p2 takes player 2's control keys, slot by slot (0..7), from getCFControlKey.
expression p2 getCFControlKey 1 0
=> = 87
action p2 SetVantor 0 87
action p2 SetVantor 1 83
action p2 SetVantor 2 65
action p2 SetVantor 3 68
action p2 SetVantor 4 74
action p2 SetVantor 5 75
action p2 SetVantor 6 76
action p2 SetVantor 7 9
frame
=> key down 0x4B
joystick 0 buttons=0
frame
=> key up 0x4B

# Both play at once; each frame the objects run in the order they were created.
joystick 1 x=65535
joystick 0 x=0 buttons=1
frame
=> key down 0x27
=> key down 0x41
=> key down 0x4A
joystick 1 x=32767
joystick 0 x=32767 buttons=0
frame
=> key up 0x27
=> key up 0x41
=> key up 0x4A
