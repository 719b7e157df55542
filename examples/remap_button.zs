# Recipe: the player chooses the key a pad button sends, by pressing that key.
# The game's player 1 moves with the arrow keys and jumps with Z.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x046d pid=0xc216
create pad
action pad SetPlayerAndPadID 0 0
=> rescan

# Button slot 4 (the pad's first button) starts with the game's jump key, Z (90).
expression pad getVantorSetting 4
=> = 90

# The game shows "press the key for JUMP" and asks getInputKeyCode every frame.
# -1: no key is held yet.
expression pad getInputKeyCode
=> = -1
# The player presses D (0x44 = 68); the game hands it to slot 4 and stops asking.
key down 0x44
expression pad getInputKeyCode
=> = 68
action pad SetVantor 4 68
key up 0x44

# From now on the first button sends D.
joystick 0 buttons=1
frame
=> key down 0x44
joystick 0 buttons=0
frame
=> key up 0x44

# The other way round: the player chooses which pad button jumps, by pressing
# it. getInputPadButtonNumber answers the pad bit held on pad 0: button 3 is bit 6.
joystick 0 buttons=4
expression pad getInputPadButtonNumber 0
=> = 6
joystick 0 buttons=0
# Bit 6 now goes to slot 4 and bit 4 to bit 6's old slot: buttons 1 and 3 swap.
action pad SetVirtualButton 6 4
action pad SetVirtualButton 4 6
joystick 0 buttons=4
frame
=> key down 0x44
joystick 0 buttons=0
frame
=> key up 0x44
