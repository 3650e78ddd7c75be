// The program entry: registers the JPEG format, creates the application and the main window, runs the
// message loop. Portable: the caller supplies the host.
#pragma once

#include "ui/Host.h"

namespace app {

// Returns the process exit code (always 0).
int RunProgram(ui::Host& host, ui::ShowCommand command);

} // namespace app
