# The dead zone and trigger threshold in the settings file: 12 bytes after the 68
# of 1.0, the tag "zdr1" and the two values. A load takes each value only from a
# whole 80-byte record with the tag, and only when it is in its action's range.
#
# Two pads tell an object's tuning apart: joystick 1's stick rests at X 40191
# (8191 right of centre: right under dead zones up to 25%), and XInput pad 0's left
# trigger at 50 (pressed under thresholds below 50).
device "HID\\VID_045E&PID_028E&IG_00"
joystick 0 vid=0x045e pid=0x028e x=32000 y=32000
xinput 0 lt=50
joystick 1 vid=0x046d pid=0xc216 x=40191 y=32000
create tuned
action tuned SetPlayerAndPadID 0 0
=> rescan
expression tuned getInputPadButtonNumber 1
=> = -1
expression tuned getInputPadButtonNumber 0
=> = 10
action tuned SetDeadZone 25
action tuned SetTriggerThreshold 77
expression tuned getInputPadButtonNumber 1
=> = 3
expression tuned getInputPadButtonNumber 0
=> = -1

# Saved and loaded into an object with the defaults: it takes both values.
action tuned SaveSetting "tuning.cfg"
create fresh
action fresh LoadSetting "tuning.cfg"
=> rescan
expression fresh getInputPadButtonNumber 1
=> = 3
expression fresh getInputPadButtonNumber 0
=> = -1
# One byte short of 80: the values are not whole, the defaults stay.
truncate "tuning.cfg" 79
create short
action short LoadSetting "tuning.cfg"
=> rescan
expression short getInputPadButtonNumber 1
=> = -1
expression short getInputPadButtonNumber 0
=> = 10

# A 1.0 file (68 bytes) loaded into the tuned object: its settings come back, the
# tuning stays as it was.
create old
action old SetPlayerAndPadID 1 0
=> rescan
action old SetVantor 4 0x41
action old SaveSetting "tuning_old.cfg"
truncate "tuning_old.cfg" 68
action tuned LoadSetting "tuning_old.cfg"
expression tuned getVantorSetting 4
=> = 65
expression tuned getInputPadButtonNumber 1
=> = 3
expression tuned getInputPadButtonNumber 0
=> = -1

# A wrong tag ("Zdr1"): the tuning stays; with the tag right, the file's defaults load.
action old SaveSetting "tuning_tag.cfg"
poke "tuning_tag.cfg" 68 0x5A
action tuned LoadSetting "tuning_tag.cfg"
expression tuned getInputPadButtonNumber 1
=> = 3
expression tuned getInputPadButtonNumber 0
=> = -1
poke "tuning_tag.cfg" 68 0x7A
action tuned LoadSetting "tuning_tag.cfg"
expression tuned getInputPadButtonNumber 1
=> = -1
expression tuned getInputPadButtonNumber 0
=> = 10

# Values outside 1..99 and 0..254 are passed over, each on its own.
action tuned SetDeadZone 25
action tuned SetTriggerThreshold 77
# dead zone 0, threshold 255: both kept
poke "tuning_tag.cfg" 72 0 0 0 0 0xFF 0 0 0
action tuned LoadSetting "tuning_tag.cfg"
expression tuned getInputPadButtonNumber 1
=> = 3
expression tuned getInputPadButtonNumber 0
=> = -1
# dead zone 100, threshold -1: both kept
poke "tuning_tag.cfg" 72 100 0 0 0 0xFF 0xFF 0xFF 0xFF
action tuned LoadSetting "tuning_tag.cfg"
expression tuned getInputPadButtonNumber 1
=> = 3
expression tuned getInputPadButtonNumber 0
=> = -1
# dead zone 0x01000019 (25 in its low byte), threshold 0: the threshold alone loads
poke "tuning_tag.cfg" 72 25 0 0 1 0 0 0 0
action tuned LoadSetting "tuning_tag.cfg"
action tuned SetDeadZone 40
expression tuned getInputPadButtonNumber 1
=> = -1
expression tuned getInputPadButtonNumber 0
=> = 10
# dead zone 26, threshold 255: the dead zone alone loads (26% is 8519: not right)
action tuned SetDeadZone 25
poke "tuning_tag.cfg" 72 26 0 0 0 0xFF 0 0 0
action tuned LoadSetting "tuning_tag.cfg"
expression tuned getInputPadButtonNumber 1
=> = -1
expression tuned getInputPadButtonNumber 0
=> = 10
# The ends of both ranges load: 1 and 254, then 99 and 0.
poke "tuning_tag.cfg" 72 1 0 0 0 254 0 0 0
action tuned LoadSetting "tuning_tag.cfg"
expression tuned getInputPadButtonNumber 1
=> = 3
expression tuned getInputPadButtonNumber 0
=> = -1
poke "tuning_tag.cfg" 72 99 0 0 0 0 0 0 0
action tuned LoadSetting "tuning_tag.cfg"
expression tuned getInputPadButtonNumber 1
=> = -1
expression tuned getInputPadButtonNumber 0
=> = 10
