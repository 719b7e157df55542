# The standard layout. A DualShock 4 is no XInput pad: its joystick buttons come in
# its maker's order, Square, Cross, Circle, Triangle, L1, R1, L2, R2, Share,
# Options, L3, R3, then the PS button (13) and the touchpad (14).
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x054c pid=0x05c4
create pad
action pad SetPlayerAndPadID 0 0
=> rescan
expression pad getPadType
=> = 2

# Off, as at creation: 1.0's order. Square is bit 4, and the PS button presses Up.
joystick 0 buttons=0x1
frame
=> key down 0x5A
joystick 0 buttons=0x1000
frame
=> key down 0x26
=> key up 0x5A
joystick 0 buttons=0
frame
=> key up 0x26
expression pad getButtonName 4
=> = "Square"
expression pad getButtonName 5
=> = "Cross"
expression pad getButtonName 12
=> = "Share"

# On: Cross is bit 4 as A is on an XInput pad, the PS button and the touchpad
# press nothing, and the hat still gives the directions.
action pad UseStandardLayout 1
joystick 0 buttons=0x2
frame
=> key down 0x5A
joystick 0 buttons=0x3000
frame
=> key up 0x5A
joystick 0 buttons=0x1 pov=9000
frame
=> key down 0x27
=> key down 0x20
joystick 0 buttons=0 pov=65535
frame
=> key up 0x27
=> key up 0x20
expression pad getButtonName 4
=> = "Cross"
expression pad getButtonName 6
=> = "Square"
expression pad getButtonName 0
=> = "Up"
expression pad getButtonName 16
=> = ""
expression pad getButtonName -1
=> = ""
joystick 0 buttons=0x1
expression pad getInputPadButtonNumber 0
=> = 6
joystick 0 buttons=0

# Only 0 and 1 switch it.
action pad UseStandardLayout 2
joystick 0 buttons=0x2
frame
=> key down 0x5A
joystick 0 buttons=0
frame
=> key up 0x5A
action pad UseStandardLayout 0
joystick 0 buttons=0x2
frame
=> key down 0x58
joystick 0 buttons=0
frame
=> key up 0x58

# A DualSense: its Share button is called Create.
joystick 1 vid=0x054c pid=0x0ce6
create sense
action sense SetPlayerAndPadID 1 1
=> rescan
action sense UseStandardLayout 1
expression sense getButtonName 12
=> = "Create"
expression sense getButtonName 13
=> = "Options"
destroy sense

# Rows from a file (comment and blank lines are skipped, and so is another
# platform's row). Axis items are ignored: that bit comes from nothing.
file "pads.txt" "# two pads" "" "03000000d620000011a7000000000000,Some Pad,a:b2,b:b3,x:b1,y:b0,leftshoulder:b4,lefttrigger:a4,dpup:b12,back:b8,platform:Windows," "03000000d6200000beef000000000000,Linux only,a:b0,platform:Linux,"
action pad LoadPadLayouts "pads.txt"
joystick 2 vid=0x20d6 pid=0xa711
joystick 3 vid=0x20d6 pid=0xbeef
create other
action other SetPlayerAndPadID 0 2
=> rescan
expression other getPadType
=> = 3
expression other getButtonName 4
=> = "Y"
action other UseStandardLayout 1
expression other getButtonName 4
=> = "A"
expression other getButtonName 10
=> = ""
joystick 2 buttons=0x3
frame
=> key down 0x20
=> key down 0x0D
joystick 2 buttons=0x1000 z=0
frame
=> key down 0x26
=> key up 0x20
=> key up 0x0D
joystick 2 buttons=0 z=32767
frame
=> key up 0x26
action other SetPlayerAndPadID 0 3
=> rescan
expression other getPadType
=> = 0
expression other getButtonName 4
=> = "Button 1"
destroy other

# A file row replaces a built-in one, for the objects bound already too.
file "ds4.txt" "030000004c050000c405000000000000,Swapped,a:b0,x:b1,"
action pad LoadPadLayouts "ds4.txt"
action pad UseStandardLayout 1
joystick 0 buttons=0x1
frame
=> key down 0x5A
joystick 0 buttons=0x2
frame
=> key up 0x5A
=> key down 0x20
joystick 0 buttons=0
frame
=> key up 0x20
expression pad getButtonName 5
=> = ""

# A file that cannot be opened raises LoadFailed and changes nothing.
on pad LoadFailed
action pad LoadPadLayouts "missing.txt"
=> fired pad LoadFailed
expression pad getPadType
=> = 2

# An XInput pad keeps its own order and names, whatever the layout.
device "HID\\VID_045E&PID_028E&IG_00\\7&2"
joystick 2 vid=0x045e pid=0x028e
xinput 0
create xbox
action xbox SetPlayerAndPadID 2 2
=> rescan
action xbox UseStandardLayout 1
frame
expression xbox getPadType
=> = 1
expression xbox getButtonName 4
=> = "A"
expression xbox getButtonName 10
=> = "LT"
expression xbox getButtonName 15
=> = "RS"

# A pad without a row: joystick buttons by number. No pad bound, ids not read
# yet, or the pad in error: no type and no names.
create plain
expression plain getPadType
=> = -1
expression plain getButtonName 0
=> = ""
joystick 5 vid=0x1234 pid=0x5678
action plain SetPlayerAndPadID 3 5
=> rescan
expression plain getPadType
=> = 0
expression plain getButtonName 15
=> = "Button 12"
action plain SetPlayerAndPadID 3 6
expression plain getButtonName 0
=> = ""
frame
=> joyConfigChanged
expression plain getPadType
=> = -1
expression plain getButtonName 0
=> = ""

# The pad that comes back is a DualSense: its ids are read, and its row found; this
# binding never read them, so the device list is rebuilt too.
joystick 6 vid=0x054c pid=0x0ce6
frame
=> rescan
expression plain getPadType
=> = 2
expression plain getButtonName 12
=> = "Create"
