// SPDX-License-Identifier: MIT
#pragma once

#include "core/CommandLine.h"

namespace orvane {

// Answers a command line that asks for help, the version or an unknown option, without a
// window: the usage or the version on standard output, the unknown option on standard error.
// The texts are translated, so an application object must exist. Returns the exit status.
int replyToCommandLine(const CommandLineDecision& decision);

} // namespace orvane
