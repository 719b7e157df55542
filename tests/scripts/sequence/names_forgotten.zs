# Checked after the tour, in the same run: each file starts with a fresh world,
# so the name the tour gave this pad is gone (the Windows host removed it from
# the registry between the files).
joystick 0 vid=0x045e pid=0x028e
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
expression pad getDeviceName 0
=> = ""
