// The two modes of zandrel-host: print a script's transcript, or check scripts
// against their "=>" lines.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/host/extension.h"

namespace zandrel::host {

// Exit status: 0, or 1 when the script cannot be read or parsed.
int RunScript(Extension& extension, const std::string& path, std::ostream& out, std::ostream& err);

// One line per failing file, then "N passed, M failed". Exit status 0 only when
// every file passed.
int CheckScripts(Extension& extension, const std::vector<std::string>& paths, std::ostream& out);

// The command line: [--mfx PATH] [--real-pads] [--real-inventory] [--real-keyboard] run FILE |
// ... check FILE..., or several of them joined by "--".
int HostMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace zandrel::host
