# Run by the Windows host with --real-inventory: scans ask Wine's own device
# inventory through the real COM objects (so no "rescan" line is printed), return,
# and find no XInput pad, since Wine lists none.
joystick 0 vid=0x045e pid=0x028e
create pad
action pad SetPlayerAndPadID 0 0
frame
expression pad IsXInput
=> = 0
action pad ReLoadDeviceList
=> joyConfigChanged
frame 2
expression pad IsXInput
=> = 0
joystick 0 buttons=1
frame
=> key down 0x00
