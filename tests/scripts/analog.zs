# The pad's analog values and the stick's dead zone: getAxis follows the latest
# read, non-zero exactly when the stick alone sets its direction bit; getPOV and
# getPadState report the hat and the pad bits the keys follow.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x046d pid=0xc216
create pad

# Unbound, and bound before its first read: no values yet.
expression pad getAxis 0
=> = 0
expression pad getPOV
=> = -1
expression pad getPadState
=> = 0
action pad SetPlayerAndPadID 0 0
=> rescan
expression pad getAxis 1
=> = 0
expression pad getPOV
=> = -1

# The default dead zone is 40% of a half axis, 13106 around 32000: X 45105 is
# inside, 45106 sets right and reads 1; 18895 is inside, 18894 sets left.
joystick 0 x=45105
frame
expression pad getAxis 0
=> = 0
joystick 0 x=45106
frame
=> key down 0x27
expression pad getAxis 0
=> = 1
joystick 0 x=18895
frame
=> key up 0x27
expression pad getAxis 0
=> = 0
joystick 0 x=18894
frame
=> key down 0x25
expression pad getAxis 0
=> = -1

# The ends and the centre. Around 32000 the left end falls short of -1000.
joystick 0 x=0
frame
expression pad getAxis 0
=> = -961
joystick 0 x=65535
frame
=> key up 0x25
=> key down 0x27
expression pad getAxis 0
=> = 1000
joystick 0 x=32767 y=0
frame
=> key down 0x26
=> key up 0x27
expression pad getAxis 0
=> = 0
expression pad getAxis 1
=> = -961
joystick 0 y=65535
frame
=> key up 0x26
=> key down 0x28
expression pad getAxis 1
=> = 1000
joystick 0 y=32767
frame
=> key up 0x28

# Calibrated at rest (offsets 767), the stick spans -1000..1000 and rests at 0.
action pad POVZeroIN
joystick 0 x=0
frame
=> key down 0x25
expression pad getAxis 0
=> = -1000
joystick 0 x=65535
frame
=> key up 0x25
=> key down 0x27
expression pad getAxis 0
=> = 1000
joystick 0 x=32767
frame
=> key up 0x27
expression pad getAxis 0
=> = 0

# Z, R, U and V have no dead zone: 0 gives -1000, 65535 gives 1000, 32767 gives 0.
joystick 0 z=0 r=65535 u=49151 v=16383
frame
expression pad getAxis 2
=> = -1000
expression pad getAxis 3
=> = 1000
expression pad getAxis 4
=> = 500
expression pad getAxis 5
=> = -500
joystick 0 z=32767 r=32767 u=32766 v=32768
frame
expression pad getAxis 2
=> = 0
expression pad getAxis 3
=> = 0
expression pad getAxis 4
=> = 0
expression pad getAxis 5
=> = 0
# Axes outside 0..5 read 0.
expression pad getAxis 6
=> = 0
expression pad getAxis -1
=> = 0

# SetDeadZone 20 (6553 units; offsets back to 0 through a file): the bit and the
# value move together, at 38553 on the right and 25447 on the left.
action pad SaveSetting "analog_zero.cfg"
poke "analog_zero.cfg" 60 0 0 0 0 0 0 0 0
action pad LoadSetting "analog_zero.cfg"
action pad SetDeadZone 20
joystick 0 x=38552
frame
expression pad getAxis 0
=> = 0
joystick 0 x=38553
frame
=> key down 0x27
expression pad getAxis 0
=> = 1
joystick 0 x=25448
frame
=> key up 0x27
expression pad getAxis 0
=> = 0
joystick 0 x=25447
frame
=> key down 0x25
expression pad getAxis 0
=> = -1
# Outside 1..99 nothing changes; 99 and 1 are the ends.
action pad SetDeadZone 0
action pad SetDeadZone 100
action pad SetDeadZone -40
frame
expression pad getAxis 0
=> = -1
action pad SetDeadZone 99
joystick 0 x=64438
frame
=> key up 0x25
expression pad getAxis 0
=> = 0
joystick 0 x=64439
frame
=> key down 0x27
expression pad getAxis 0
=> = 1
action pad SetDeadZone 1
joystick 0 x=32326 y=32000
frame
=> key up 0x27
expression pad getAxis 0
=> = 0
joystick 0 x=32327
frame
=> key down 0x27
expression pad getAxis 0
=> = 1
action pad SetDeadZone 40
joystick 0 x=32767 y=32767
frame
=> key up 0x27

# A calibration offset at the end of the 32-bit range: no overflow, the stick reads
# as far left as it goes.
poke "analog_zero.cfg" 60 0x00 0x83 0xFF 0x7F
action pad LoadSetting "analog_zero.cfg"
joystick 0 x=0
frame
=> key down 0x25
expression pad getAxis 0
=> = -1000
joystick 0 x=65535
frame
expression pad getAxis 0
=> = -1000
joystick 0 x=32767
action pad POVZeroIN
frame
=> key up 0x25

# The hat in hundredths of a degree; centred (36000 and up) reads -1.
joystick 0 x=32767 pov=9000
frame
=> key down 0x27
expression pad getPOV
=> = 9000
joystick 0 pov=35900
frame
=> key down 0x26
=> key down 0x25
=> key up 0x27
expression pad getPOV
=> = 35900
joystick 0 pov=36000
frame
=> key up 0x26
=> key up 0x25
expression pad getPOV
=> = -1
joystick 0 pov=0
frame
=> key down 0x26
expression pad getPOV
=> = 0

# getPadState: the 16 bits the keys follow (up = 1, buttons 1 and 3 = 0x10 and 0x40).
joystick 0 buttons=5
frame
=> key down 0x5A
=> key down 0x20
expression pad getPadState
=> = 81

# Binding the same pad again keeps the values: nothing but the player changes.
action pad SetPlayerAndPadID 0 0
expression pad getPOV
=> = 0
frame
expression pad getPOV
=> = 0

# In error the values are gone; the keys went up, and their bits with them.
unplug 0
frame
=> key up 0x26
=> key up 0x5A
=> key up 0x20
=> joyConfigChanged
expression pad getAxis 1
=> = 0
expression pad getPOV
=> = -1
expression pad getPadState
=> = 0
