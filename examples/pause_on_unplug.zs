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
# sends a release for every slot's key (slots 8 to 15 hold key 0 here): the
# keys are up already then, so it does no harm.
on pad PadDisconnected do action pad ResetKey
on pad PadReconnected
on pad PressedButton 4

# The player runs right, holding jump.
joystick 0 x=65535 buttons=1
frame
=> key down 0x27
=> key down 0x5A
=> fired pad PressedButton 4

# The cable comes out. In that frame the object lets go of Right and Z itself,
# so the player's character stops, then PadDisconnected fires, once.
unplug 0
frame
=> key up 0x27
=> key up 0x5A
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
# The next frame reads the pad: the stick was let go (nothing to send, Right is
# up already) and jump, held through the gap, goes down again.
frame
=> key down 0x5A
=> fired pad PressedButton 4
# So the game resumes on that press; letting go and pressing again works as ever.
joystick 0 buttons=0
frame
=> key up 0x5A
joystick 0 buttons=1
frame
=> key down 0x5A
=> fired pad PressedButton 4
