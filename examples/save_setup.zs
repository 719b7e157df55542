# Recipe: keep a player's setup from one session to the next.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x046d pid=0xc216
create pad

# At the start the game loads the player's file (in the game, a full path in the
# player's own folder; a script's files are in its working folder). A player who
# never saved has none: LoadFailed fires while the game's "loading" value says
# "setup", and the game's event binds the player and pad itself, inside the load.
on pad LoadFailed do action pad SetPlayerAndPadID 0 0
action pad LoadSetting "player1-new.cfg"
=> fired pad LoadFailed
=> rescan
action pad UseStandardLayout 1

# The player sets things up: the first button fires (X) instead of jumping, the
# second button is switched off, the game's own jump key becomes A, and the
# stick's dead zone shrinks to 25%.
action pad SetVantor 4 0x58
action pad SetVirtualButton 5 -1
action pad SetCFControlKey 0 4 0x41
action pad SetDeadZone 25
# SaveSetting writes it all to one file (80 bytes): player, pad id, the player's
# control keys, the 16 slot keys, the 16 bit-to-slot routes, the stick centre,
# the dead zone and the trigger threshold.
action pad SaveSetting "player1.cfg"
destroy pad

# Next session: the game starts with its defaults again, and a new object.
controls 0 38 40 37 39 90 88 32 13
create pad
on pad LoadFailed
# The file loads: the object is bound again (so it rescans) and plays as saved.
action pad LoadSetting "player1.cfg"
=> rescan
expression pad getPadID
=> = 0
expression pad getCFControlKey 0 4
=> = 65
joystick 0 buttons=3
frame
=> key down 0x58
joystick 0 buttons=0
frame
=> key up 0x58
# The dead zone came back too: a push of 30% moves, as it would not under 40%.
joystick 0 x=42000
frame
=> key down 0x27
