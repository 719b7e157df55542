# The extension's own time per frame through Wine's services: three objects on the
# stage's pads, 600 frames at 60 a second with every pad present, then 600 with one
# pulled out (its object in error, searching the other ids every 60 frames). The
# median and maximum go to the log; no frame may take longer than a frame lasts.
controls 0 38 40 37 39 90 88 32 13
create one
create two
create ds
pace 60
# Wine's joystick service of a new process starts looking for pads with its first
# query, and shows a pad's state with the pad's next report: the pads keep reporting.
pad 0 nudge on
pad 1 nudge on
pad 2 nudge on
expression one getAnyPadID
=> = -1
frame 240
action one SetPlayerAndPadID 0 0
action two SetPlayerAndPadID 1 1
action ds SetPlayerAndPadID 2 2
# The first frames of a binding ask Wine's service about the pad: not counted.
frame 30
frametimes start
frame 600
frametimes
=> = 600 frames, none over 16 ms
on two PadDisconnected
pad 1 unplug
frame 600
=> fired two PadDisconnected
frametimes
=> = 600 frames, none over 16 ms
