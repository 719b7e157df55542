# Saving and loading an object's settings: player, pad, the player's control keys
# in the host, the key map, the button map and the stick calibration.
controls 0 38 40 37 39 90 88 32 13
controls 2 87 83 65 68 74 75 76 73
joystick 0 vid=0x045e pid=0x028e
create first
action first SetPlayerAndPadID 2 0
=> rescan
action first SetCFControlKey 2 0 0x141
action first SetVantor 4 0x41
action first SetVirtualButton 5 -1
# The stick rests at 32767: centre offsets 767.
action first POVZeroIN
action first SaveSetting "settings_réglages.cfg"
destroy first

# An object of player 0, with changes of its own, loads the file of player 2.
create second
action second SetPlayerAndPadID 0 1
action second EnableControl 6 0
action second SetCFControlKey 2 0 5
action second LoadSetting "settings_réglages.cfg"
=> rescan
expression second getPadID
=> = 0
expression second IsXInput
=> = 0
# Player 2's control keys are the saved ones again (16 bits survive); player 0's
# are untouched.
expression second getCFControlKey 2 0
=> = 321
expression second getCFControlKey 2 1
=> = 83
expression second getCFControlKey 0 0
=> = 38
expression second getVantorSetting 4
=> = 65
expression second getVirtualButtonSetting 5
=> = 255
# The calibration came back: a raw X of 19661 is left now.
joystick 0 x=19661
frame
=> key down 0x25
joystick 0 x=32767
frame
=> key up 0x25
# The enable switches are not in the file: button 3 stays off.
joystick 0 buttons=0x4
frame
joystick 0 buttons=0
frame

# A file that cannot be opened raises LoadFailed and changes nothing.
on second LoadFailed
action second LoadSetting "settings_missing.cfg"
=> fired second LoadFailed
expression second getPadID
=> = 0

# An object that never had a player saves no control keys, and loading its file
# leaves the host's table as it was.
create nobody
action nobody SaveSetting "settings_noplayer.cfg"
action second LoadSetting "settings_noplayer.cfg"
expression second getPadID
=> = -1
expression second getCFControlKey 2 0
=> = 321
expression second getVantorSetting 4
=> = 90
# Player -1 now: the key map cannot be changed.
action second SetVantor 4 0x42
expression second getVantorSetting 4
=> = 90

# SaveFailed: raised when the file is not written whole (here: its folder does not
# exist), and not for a good save.
on nobody SaveFailed
action nobody SaveSetting "settings_no_such_folder/pad.cfg"
=> fired nobody SaveFailed
action nobody SaveSetting "settings_noplayer.cfg"
condition nobody SaveFailed
=> = 1
