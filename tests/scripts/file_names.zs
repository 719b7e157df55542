# File names as Windows reads them: `\` separates folders as `/` does, and a folder
# does not open as a file, for saving or for loading.
controls 0 38 40 37 39 90 88 32 13
joystick 0 vid=0x045e pid=0x028e
create pad
on pad SaveFailed
on pad LoadFailed
action pad SetPlayerAndPadID 0 0
=> rescan
action pad SetVantor 4 0x41

# A folder that does not exist, written either way.
action pad SaveSetting "file_names_nofolder\\s.bin"
=> fired pad SaveFailed
action pad SaveSetting "file_names_nofolder/s.bin"
=> fired pad SaveFailed
action pad LoadSetting "file_names_nofolder\\s.bin"
=> fired pad LoadFailed

# The working folder itself, by either separator: saved as ".\\NAME", loaded as "./NAME".
action pad SaveSetting ".\\file_names_s.bin"
action pad SetVantor 4 0x42
action pad SetPlayerAndPadID 0 -1
action pad LoadSetting "./file_names_s.bin"
=> rescan
expression pad getVantorSetting 4
=> = 65

# A folder is no settings file: loading it binds nothing, saving over it fails.
action pad LoadSetting "."
=> fired pad LoadFailed
action pad LoadSetting ".\\"
=> fired pad LoadFailed
action pad SaveSetting "."
=> fired pad SaveFailed
expression pad getPadID
=> = 0
expression pad getVantorSetting 4
=> = 65
