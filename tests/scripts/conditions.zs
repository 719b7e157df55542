# The five conditions. The host evaluates a raised condition for every "on" line
# of its object and code, in the order written, and prints the ones that are true.
controls 0 38 40 37 39 90 88 32 13
create pad
# Player 0, no pad: the keyboard conditions work without one.
action pad SetPlayerAndPadID 0 -1
on pad PressedKey 0x41
on pad PressedButton 4
on pad PressedButton 5
# Never raised by the extension: the host tests these of its own accord.
on pad RepeatPressedKey 0x41

# PressedKey is true in the one frame in which the key goes down.
frame
key down 0x41
frame
=> fired pad PressedKey 65
frame 2
condition pad RepeatPressedKey 0x41
=> = 1
# Between frames the two snapshots are equal, so a press test outside the raise is false.
condition pad PressedKey 0x41
=> = 0
key up 0x41
frame
condition pad RepeatPressedKey 0x41
=> = 0

# A key that goes down and up between two snapshots is seen by no condition.
key down 0x41
key up 0x41
frame

# PressedButton tests the key of the button's slot: Z on the keyboard counts too.
key down 0x5A
frame
=> fired pad PressedButton 4
condition pad RepeatPressedButton 4
=> = 1
# Slot 5 sends Z as well now: both slots are pressed together.
action pad SetVantor 5 0x5A
key up 0x5A
frame
key down 0x5A
frame
=> fired pad PressedButton 4
=> fired pad PressedButton 5

# A disabled button is never pressed.
action pad SetVantor 5 0x58
action pad EnableControl 4 0
condition pad RepeatPressedButton 4
=> = 0
frame
condition pad RepeatPressedButton 4
=> = 0
# Enabled again while Z is held: it was down in the last snapshot, nothing fires.
action pad EnableControl 4 1
frame
# Disabling clears the key in both snapshots: switched off and on between two
# frames, the held key counts as a new press in the next one.
action pad EnableControl 4 0
action pad EnableControl 4 1
frame
=> fired pad PressedButton 4
key up 0x5A
frame

# Out of range: key codes above 255, buttons above 15, anything negative.
key down 0xFF
frame
condition pad RepeatPressedKey 255
=> = 1
condition pad RepeatPressedKey 256
=> = 0
condition pad RepeatPressedKey -1
=> = 0
condition pad PressedKey -1
=> = 0
condition pad RepeatPressedButton 16
=> = 0
condition pad RepeatPressedButton -1
=> = 0
condition pad PressedButton 16
=> = 0

# LoadFailed is true whenever it is asked; it fires through a failed load.
on pad LoadFailed
condition pad LoadFailed
=> = 1
action pad LoadSetting "no-such-settings-file.cfg"
=> fired pad LoadFailed
