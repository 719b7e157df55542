# The editor's view of the extension: information answers, the run-info record,
# the three event menus, and each event's code, record, display string and titles.
infos 0
=> = 768
infos 2
=> = 256
infos 6
=> = 2
infos 7
=> = 249
infos 8
=> = 1
infos 1
=> = 0
infos 9
=> = 0
infos -1
=> = 0
runinfo
=> = conditions 8 actions 16 expressions 17 editdata 20 code QXRV

menu conditions
=> -
=> 26002 PressedButton
=> 26003 RepeatPressedButton
=> -
=> 26000 PressedKey
=> 26001 RepeatPressedKey
=> -
=> 26004 LoadFailed
=> -
=> 26005 PadDisconnected
=> 26006 PadReconnected
=> -
=> 26007 SaveFailed
=> -
menu actions
=> -
=> 25000 SetPlayerAndPadID
=> -
=> 25002 XInputSetVibration
=> 25003 SetVantor
=> 25001 SetCFControlKey
=> 25006 SetVirtualButton
=> 25007 ResetKey
=> -
=> 25008 ReLoadDeviceList
=> 25004 SaveSetting
=> 25005 LoadSetting
=> -
=> 25009 POVZeroIN
=> 25010 EnableControl
=> -
=> 25011 SetDeadZone
=> 25012 SetTriggerThreshold
=> -
=> 25013 SetKeysInBackground
=> 25014 LoadPadLayouts
=> 25015 UseStandardLayout
=> -
menu expressions
=> -
=> 27000 getDeviceName
=> 27007 getPadID
=> -
=> 27002 getInputKeyCode
=> 27003 getInputPadButtonNumber
=> -
=> 27004 getVantorSetting
=> 27005 getCFControlKey
=> 27009 getVirtualButtonSetting
=> 27010 getVirtualToReal
=> -
=> 27001 getAnyPadID
=> -
=> 27006 IsXInput
=> 27008 IsError
=> -
=> 27011 getAxis
=> 27012 getTrigger
=> 27013 getPOV
=> 27014 getPadState
=> -
=> 27015 getButtonName
=> 27016 getPadType
=> -

# Menu ids lead to codes; another kind's ids, separators and unknown ids do not.
code actions 25003
=> = 3
code conditions 25003
=> = -1
code expressions 0
=> = -1
code conditions 26004
=> = 4
code expressions 27010
=> = 10
# Menu ids travel as 16-bit values: 90536 arrives as 25000.
code actions 90536
=> = 0

# Event records: code, flags, parameter count, types and title ids.
info conditions 3
=> = code 3 flags 0x220 params 1 types 22 titles 6504
info conditions 4
=> = code 4 flags 0x0 params 0 types titles
info actions 1
=> = code 1 flags 0x0 params 3 types 22 22 22 titles 5503 5504 5505
info actions 4
=> = code 4 flags 0x0 params 1 types 45 titles 5510
info actions 10
=> = code 10 flags 0x0 params 2 types 22 22 titles 5514 5515
info expressions 0
=> = code 0 flags 0x1 params 1 types 1 titles 0
info expressions 5
=> = code 5 flags 0x0 params 2 types 1 1 titles 7502 7503
info expressions 10
=> = code 10 flags 0x0 params 1 types 1 titles 7506
info conditions 8
=> = none
info actions -1
=> = none

# Display strings, placeholders and trailing blanks included.
string actions 0
=> = "SetPlayerAndPadID : player=%0 pad_id=%1 "
string conditions 2
=> = "%o: PressedButton(%0)"
string expressions 0
=> = "getDeviceName$("
string actions 16
=> = unchanged

# Parameter titles. A title id of 0 falls back to the menu text, as does the
# title of an expression without parameters; an index beyond the parameters is empty.
title conditions 2
=> = "Button (0-16)"
title conditions 2 1
=> = ""
title conditions 2 -1
=> = ""
title actions 3
=> = "pad_button (0~15) 0:up 1:down 2:left 3:right 4~15:buttons "
title actions 4
=> = "filename "
title actions 1 2
=> = "key code"
title actions 7
=> = ""
title expressions 0
=> = "getDeviceName"
title expressions 5
=> = "PlayerId_0_3"
title expressions 1
=> = "getAnyPadID"
title conditions 8
=> = unchanged
param 0 0
=> = ""
param 5 1
=> = "Button_0_7"
param 3 0
=> = "pad_num"
param 3 1
=> = ""
param 17 0
=> = unchanged

# The events added in 1.1 take the next codes, ids and titles of their kinds.
code conditions 26006
=> = 6
code actions 25012
=> = 12
code expressions 27014
=> = 14
info conditions 5
=> = code 5 flags 0x0 params 0 types titles
info actions 11
=> = code 11 flags 0x0 params 1 types 22 titles 5516
info actions 12
=> = code 12 flags 0x0 params 1 types 22 titles 5517
info expressions 11
=> = code 11 flags 0x0 params 1 types 1 titles 7507
info expressions 12
=> = code 12 flags 0x0 params 1 types 1 titles 7508
info expressions 13
=> = code 13 flags 0x0 params 0 types titles
string conditions 5
=> = "%o: PadDisconnected"
string conditions 6
=> = "%o: PadReconnected"
string actions 11
=> = "SetDeadZone ( percent=%0 )"
string actions 12
=> = "SetTriggerThreshold ( value=%0 )"
string expressions 11
=> = "getAxis("
string expressions 12
=> = "getTrigger("
string expressions 13
=> = "getPOV("
string expressions 14
=> = "getPadState("
title actions 11
=> = "dead zone percent (1~99, default 40)"
title actions 12
=> = "trigger threshold (0~254, default 30)"
title conditions 6
=> = ""
param 11 0
=> = "axis_0_5 (0:X 1:Y 2:Z 3:R 4:U 5:V)"
param 12 0
=> = "side_0_1 (0:left 1:right)"
title expressions 14
=> = "getPadState"

# The events added in 1.2, in a group of their own at the end of each menu.
code conditions 26007
=> = 7
code actions 25013
=> = 13
code conditions 26008
=> = -1
info conditions 7
=> = code 7 flags 0x0 params 0 types titles
info actions 13
=> = code 13 flags 0x0 params 1 types 22 titles 5518
string conditions 7
=> = "%o: SaveFailed"
string actions 13
=> = "SetKeysInBackground ( on=%0 )"
title actions 13
=> = "on (0: keys only while the game is in front, 1: always)"
code actions 25015
=> = 15
code expressions 27016
=> = 16
info actions 14
=> = code 14 flags 0x0 params 1 types 45 titles 5519
info actions 15
=> = code 15 flags 0x0 params 1 types 22 titles 5520
info expressions 15
=> = code 15 flags 0x1 params 1 types 1 titles 7509
info expressions 16
=> = code 16 flags 0x0 params 0 types titles
string actions 14
=> = "LoadPadLayouts ( file=%0 )"
string actions 15
=> = "UseStandardLayout ( on=%0 )"
string expressions 15
=> = "getButtonName$("
string expressions 16
=> = "getPadType("
title actions 14
=> = "layouts file"
title actions 15
=> = "on (0: the pad's own order, 1: standard layout)"
param 15 0
=> = "pad_bit_0_15"
title expressions 16
=> = "getPadType"

# The editor gate: no menus and no display strings for an editor with bit 0x8000,
# a build below 249, a version below 2, or no version query; the rest still answers.
editor 0x020080F9
menu conditions
=> = none
string conditions 0
=> = unchanged
title conditions 0
=> = "KeyCode"
editor 0x020000F8
menu actions
=> = none
string actions 7
=> = unchanged
editor 0x01FF00F9
menu expressions
=> = none
editor none
menu conditions
=> = none
string conditions 4
=> = unchanged
code conditions 26004
=> = 4
info conditions 0
=> = code 0 flags 0x0 params 1 types 22 titles 6501
param 5 0
=> = "PlayerId_0_3"
# A newer editor passes.
editor 0x030001F4
string conditions 4
=> = "%o: LoadFailed"

# The object's information texts: name, author, legal notice, build tag, web address.
objinfos
=> = "zandrel Extension"
=> = "The zandrel developers"
=> = "Copyright (C) 2026 The zandrel developers. Free to use in any game."
=> = "zandrel 1.3.0: game pad to keyboard keys"
=> = "See the author's guide, guide.html"
