# Every key an object sends down it sends up again, the key it pressed, whatever
# the mapping, the switches or the pad did meanwhile; every motor it set running
# it stops.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x046d pid=0xc216
create pad
action pad SetPlayerAndPadID 0 0
=> rescan

# Remapped while held: SetVantor, then SetVirtualButton. The release lets go of Z,
# and the next press sends the new key.
joystick 0 buttons=1
frame
=> key down 0x5A
action pad SetVantor 4 0x41
joystick 0 buttons=0
frame
=> key up 0x5A
joystick 0 buttons=1
frame
=> key down 0x41
action pad SetVirtualButton 4 5
joystick 0 buttons=0
frame
=> key up 0x41
action pad SetVirtualButton 4 4
action pad SetVantor 4 0x5A

# Switched off while held: the player still holds it, so Z goes up with the button.
joystick 0 buttons=1
frame
=> key down 0x5A
action pad EnableControl 4 0
joystick 0 buttons=0
frame
=> key up 0x5A
action pad EnableControl 4 1

# A file loaded while held maps button 1 to Q: the release still lets go of Z.
action pad SetVantor 4 0x51
action pad SaveSetting "held_keys.cfg"
action pad SetVantor 4 0x5A
joystick 0 buttons=1
frame
=> key down 0x5A
action pad LoadSetting "held_keys.cfg"
joystick 0 buttons=0
frame
=> key up 0x5A
action pad SetVantor 4 0x5A

# Two buttons on one slot: Z goes down with the first and up with the last.
action pad SetVirtualButton 5 4
joystick 0 buttons=1
frame
=> key down 0x5A
joystick 0 buttons=3
frame
joystick 0 buttons=2
frame
joystick 0 buttons=0
frame
=> key up 0x5A

# ResetKey: a release for each slot's key, then one for a held key no slot has now.
# Letting go afterwards sends nothing more.
joystick 0 buttons=2
frame
=> key down 0x5A
action pad SetVantor 4 0x51
action pad ResetKey
=> key up 0x26
=> key up 0x28
=> key up 0x25
=> key up 0x27
=> key up 0x51
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
=> key up 0x5A
joystick 0 buttons=0
frame
action pad SetVantor 4 0x5A
action pad SetVirtualButton 5 5

# Destroyed with a shared key and a remapped one held: each key goes up once, in
# the order of the lowest button holding it.
action pad SetVirtualButton 6 4
joystick 0 x=65535 buttons=0x7
frame
=> key down 0x27
=> key down 0x5A
=> key down 0x58
action pad SetVantor 4 0x41
destroy pad
=> key up 0x27
=> key up 0x5A
=> key up 0x58
