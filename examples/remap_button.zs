# Recipe: the player chooses the key a pad button sends, by pressing that key,
# and which pad button jumps, by pressing that button.
# The game's player 1 moves with the arrow keys and jumps with Z.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x046d pid=0xc216
joystick 1 vid=0x046d pid=0xc216
create pad
# The player's pad is joystick 1, not 0: the game never assumes which.
action pad SetPlayerAndPadID 0 1
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
joystick 1 buttons=1
frame
=> key down 0x44
joystick 1 buttons=0
frame
=> key up 0x44

# The other way round: "press the button for JUMP". The game asks
# getInputPadButtonNumber of the bound pad, getPadID, every frame, and waits for
# an answer of 4 or more: a stick pushed on the way answers a direction (0 to 3).
expression pad getPadID
=> = 1
joystick 1 x=65535
expression pad getInputPadButtonNumber 1
=> = 3
joystick 1 x=32767 buttons=4
expression pad getInputPadButtonNumber 1
=> = 6
joystick 1 buttons=0
# Button 3 is bit 6. The bit that feeds the jump slot now is getVirtualToReal 4,
# and the chosen bit's slot is getVirtualButtonSetting 6: the two swap.
expression pad getVirtualToReal 4
=> = 4
expression pad getVirtualButtonSetting 6
=> = 6
action pad SetVirtualButton 4 6
action pad SetVirtualButton 6 4
joystick 1 buttons=4
frame
=> key down 0x44
joystick 1 buttons=0
frame
=> key up 0x44

# A second change: the player now picks button 2 (bit 5) for jump. The bit on
# the jump slot is bit 6 now, not 4: getVirtualToReal finds it, so the swap
# leaves one bit on each slot.
joystick 1 buttons=2
expression pad getInputPadButtonNumber 1
=> = 5
joystick 1 buttons=0
expression pad getVirtualToReal 4
=> = 6
expression pad getVirtualButtonSetting 5
=> = 5
action pad SetVirtualButton 6 5
action pad SetVirtualButton 5 4
joystick 1 buttons=2
frame
=> key down 0x44
joystick 1 buttons=4
frame
=> key up 0x44
=> key down 0x58
joystick 1 buttons=0
frame
=> key up 0x58

# A bit switched off answers 255 in getVirtualButtonSetting; SetVirtualButton
# takes -1 for off, so the game passes -1 when it reads 255.
action pad SetVirtualButton 7 -1
expression pad getVirtualButtonSetting 7
=> = 255
