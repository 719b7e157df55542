# Checked after the tour, in the same run: each file starts with a fresh world,
# so the name the tour gave this pad is gone (the Windows host removed it from
# the registry between the files).
joystick 0 vid=0x045e pid=0x028e
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
expression pad getDeviceName 0
=> = ""

# And the library's layout table holds only its built-in rows again: the
# DualShock 4's row that tests/scripts/layouts.zs replaced is back, and the pad
# that file loaded a row for has none.
joystick 1 vid=0x054c pid=0x05c4
joystick 2 vid=0x20d6 pid=0xa711
create ds4
action ds4 SetPlayerAndPadID 1 1
=> rescan
expression ds4 getButtonName 5
=> = "Cross"
action pad SetPlayerAndPadID 0 2
=> rescan
expression pad getPadType
=> = 0
