# Run by the Windows host with --real-keyboard: the library's keybd_event and
# GetKeyboardState are user32's own. The host's window has the foreground and the
# focus and takes its messages after every frame, printing the keyboard ones.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x045e pid=0x028e
create pad
on pad PressedButton 4
on pad PressedButton 0
action pad SetPlayerAndPadID 0 0
=> rescan
frame
# Button 1 is slot 4, key Z: the stroke arrives with the extended-key bit (24)...
joystick 0 buttons=1
frame
=> window WM_KEYDOWN 0x5A lParam=0x01000001
# ...and the next frame's keyboard snapshot shows Z down.
frame
=> fired pad PressedButton 4
condition pad RepeatPressedButton 4
=> = 1
joystick 0 buttons=0
frame
=> window WM_KEYUP 0x5A lParam=0xC1000001
frame
condition pad RepeatPressedButton 4
=> = 0
# A direction: slot 0, the up arrow.
joystick 0 y=0
frame 2
=> window WM_KEYDOWN 0x26 lParam=0x01000001
=> fired pad PressedButton 0
joystick 0 y=32767
frame
=> window WM_KEYUP 0x26 lParam=0xC1000001

# Keys go only to the game. A window of another process comes to the front with
# up and Z held: the object releases them, and the other window gets the
# releases, nothing else, while it is in front. Back in front, the host's window
# gets the keys still pressed again.
joystick 0 y=0 buttons=1
frame
=> window WM_KEYDOWN 0x26 lParam=0x01000001
=> window WM_KEYDOWN 0x5A lParam=0x01000001
focus away
# The host's snapshot still holds what its window received before.
frame
=> fired pad PressedButton 4
=> fired pad PressedButton 0
joystick 0 y=32767 buttons=3
frame 2
joystick 0 y=0
focus game
=> other window WM_KEYUP 0x26 lParam=0xC1000001
=> other window WM_KEYUP 0x5A lParam=0xC1000001
frame
=> window WM_KEYDOWN 0x26 lParam=0x01000001
=> window WM_KEYDOWN 0x5A lParam=0x01000001
=> window WM_KEYDOWN 0x58 lParam=0x01000001
