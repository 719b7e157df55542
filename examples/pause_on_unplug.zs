# Recipe: pause the game when the pad goes away, let go of the keys it held,
# and carry on when it comes back.
# Player 1 moves with the arrow keys and jumps with Z.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x046d pid=0xc216
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
# The game has an event for each connection condition, and one to resume on jump.
# Its PadDisconnected event shows the pause screen and calls ResetKey, which
# sends a release for every slot's key (slots 8 to 15 hold key 0 here).
on pad PadDisconnected do action pad ResetKey
on pad PadReconnected
on pad PressedButton 4

# The player runs right, holding jump.
joystick 0 x=65535 buttons=1
frame
=> key down 0x27
=> key down 0x5A
=> fired pad PressedButton 4

# The cable comes out. In that frame PadDisconnected fires, once. Right and Z
# are still down (the object saw no release): left alone, the player's character
# would run and jump forever. The event's ResetKey lets go of them.
unplug 0
frame
=> joyConfigChanged
=> fired pad PadDisconnected
=> key up 0x26
=> key up 0x28
=> key up 0x25
=> key up 0x27
=> key up 0x5A
=> key up 0x58
=> key up 0x20
=> key up 0x0D
=> key up 0x00
=> key up 0x00
=> key up 0x00
=> key up 0x00
=> key up 0x00
=> key up 0x00
=> key up 0x00
=> key up 0x00
# While the pad is away nothing more fires; the object quietly asks every frame.
frame 120

# The pad is plugged in again, the player already holding jump to carry on.
# PadReconnected fires in the frame it answers: the pause screen now says
# "press jump to continue".
joystick 0 x=32767
frame
=> fired pad PadReconnected
# The next frame sees the stick let go and sends its release once more (the key
# is up already). Jump, held through the gap, sends no new press: the object
# saw it held when the pad went away.
frame
=> key up 0x27
# So the game resumes on a fresh press: the player lets go and presses jump.
joystick 0 buttons=0
frame
=> key up 0x5A
joystick 0 buttons=1
frame
=> key down 0x5A
=> fired pad PressedButton 4
