# Run by the 32-bit Windows host with --real-pads --real-inventory in the pad stage
# (tests/vpad/vpad.sh host): joystick 0 is the stage's virtual XInput-class pad
# (045E:028E), read through Wine's own joystick and XInput services. The stage holds
# its A button and pulls its left trigger all the way before the host starts. Wine's
# inventory lists the pad's IG_ id, so the object decodes it as an XInput pad: A is
# bit 4 (player 0's fifth control key, Z), the left trigger bit 10.
controls 0 38 40 37 39 90 88 32 13
create pad
action pad SetPlayerAndPadID 0 0
action pad SetVantor 10 0x41
# Wine hands a program a pad's state when it changes, so one started while a button is
# held sees it with the pad's next report: the stage moves the right stick's Y (which
# the joystick service does not report) every 20 ms while the host runs. The keys go
# down in one of these frames.
frame 100000
=> key down 0x5A
=> key down 0x41
expression pad IsXInput
=> = 1
expression pad getTrigger 0
=> = 255
expression pad getInputPadButtonNumber 0
=> = 4
destroy pad
=> key up 0x5A
=> key up 0x41
