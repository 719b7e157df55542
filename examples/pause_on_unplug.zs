# Recipe: pause the game when the pad goes away, and carry on when it comes back.
# Player 1 moves with the arrow keys and jumps with Z.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x046d pid=0xc216
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
# The game has an event for each connection condition, and one to resume on jump.
on pad PadDisconnected
on pad PadReconnected
on pad PressedButton 4

# The player runs right, holding jump.
joystick 0 x=65535 buttons=1
frame
=> key down 0x27
=> key down 0x5A
=> fired pad PressedButton 4

# The cable comes out. In that frame the object lets go of Right and Z, the keys
# the pad held, and raises PadDisconnected, once: the game shows its pause screen.
unplug 0
frame
=> key up 0x27
=> key up 0x5A
=> joyConfigChanged
=> fired pad PadDisconnected
# While the pad is away nothing more fires; the object quietly asks every frame.
frame 120

# The pad is plugged in again, the player already holding jump to carry on.
# PadReconnected fires in the frame it reads again: the pause screen now says
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
