// The two modes of zandrel-host: print a script's transcript, or check scripts
// against their "=>" lines.
#pragma once

#include <string>
#include <vector>

#include "tools/host/extension.h"
#include "tools/host/output.h"

namespace zandrel::host {

// Exit status: 0, or 1 when the script cannot be read or parsed.
int RunScript(Extension& extension, const std::string& path, Output& out, Output& err);

// One line per failing file, then "N passed, M failed". Exit status 0 only when
// every file passed.
int CheckScripts(Extension& extension, const std::vector<std::string>& paths, Output& out);

// The command line: [--mfx PATH] [--real-pads] [--real-inventory] [--real-keyboard] run FILE |
// ... check FILE..., or several of them joined by "--".
int HostMain(const std::vector<std::string>& arguments, Output& out, Output& err);

}  // namespace zandrel::host
