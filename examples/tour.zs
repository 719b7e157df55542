# A tour of zandrel: a game pad turned into key presses, one frame at a time.
# Lines starting with ">" are what the game and the player do (the reference host
# plays both); the lines under them are what the extension did in answer: key
# strokes it sent, events it raised, values it returned.
#
# The game's player 1 moves with the arrow keys, jumps with Z (0x5A) and fires
# with X (0x58). The host keeps these as the player's control keys.
controls 0 38 40 37 39 90 88 32 13
# A pad is plugged in as joystick 0; the system knows its name.
joystick 0 vid=0x045e pid=0x028e
registry 0x045e 0x028e "Tour Pad"

# The game places a zandrel object and binds it to player 1 (number 0) and pad 0.
# Binding reads the pad's ids and rescans the device list for XInput pads.
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
expression pad getDeviceName 0
=> = "Tour Pad"

# Button 1 is pressed: the object sends Z once...
joystick 0 buttons=1
frame
=> key down 0x5A
# ...sends nothing while it is held...
frame 10
# ...and releases Z when it is let go.
joystick 0 buttons=0
frame
=> key up 0x5A

# The stick works as the arrow keys.
joystick 0 x=0
frame
=> key down 0x25
joystick 0 x=32767
frame
=> key up 0x25
# The game can read the stick itself: getAxis gives -1000..1000, 0 inside the dead
# zone, which the arrow keys share.
joystick 0 x=40000
frame
expression pad getAxis 0
=> = 0
joystick 0 x=50000
frame
=> key down 0x27
expression pad getAxis 0
=> = 249
joystick 0 x=65535
frame
expression pad getAxis 0
=> = 1000
joystick 0 x=32767
frame
=> key up 0x27

# The game's events react through the object's conditions: PressedButton(4) is
# true in the frame in which the key of button slot 4 goes down.
on pad PressedButton 4
joystick 0 buttons=1
frame
=> key down 0x5A
=> fired pad PressedButton 4
joystick 0 buttons=0
frame
=> key up 0x5A

# The player remaps button 1 to fire (X) instead of jump.
action pad SetVantor 4 0x58
joystick 0 buttons=1
frame
=> key down 0x58
=> fired pad PressedButton 4
joystick 0 buttons=0
frame
=> key up 0x58

# Button 2 (pad bit 5) is switched off: pressing it sends nothing.
action pad EnableControl 5 0
joystick 0 buttons=2
frame
joystick 0 buttons=0
frame
action pad EnableControl 5 1

# The setup is saved to a file, spoiled, and loaded back.
action pad SaveSetting "tour-settings.cfg"
action pad SetVantor 4 0x5A
expression pad getVantorSetting 4
=> = 90
action pad LoadSetting "tour-settings.cfg"
expression pad getVantorSetting 4
=> = 88
joystick 0 buttons=1
frame
=> key down 0x58
=> fired pad PressedButton 4
joystick 0 buttons=0
frame
=> key up 0x58

# Loading a file that is not there raises LoadFailed, which the game can catch.
on pad LoadFailed
action pad LoadSetting "no-such-file.cfg"
=> fired pad LoadFailed

# The pad is pulled out while button 1 is held: the object lets go of its key,
# tells the joystick service and raises PadDisconnected. ResetKey releases the
# key of every button slot whenever the game asks.
on pad PadDisconnected
on pad PadReconnected
joystick 0 buttons=1
frame
=> key down 0x58
=> fired pad PressedButton 4
unplug 0
frame
=> key up 0x58
=> joyConfigChanged
=> fired pad PadDisconnected
expression pad IsError
=> = 1
action pad ResetKey
=> key up 0x26
=> key up 0x28
=> key up 0x25
=> key up 0x27
=> key up 0x58
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
# Once the pad answers again the object carries on; its first read finds button 1
# let go, and its key is up already.
joystick 0 buttons=0
frame
=> fired pad PadReconnected
expression pad IsError
=> = 0
frame

# The game ends and the object goes away.
destroy pad
