// SPDX-License-Identifier: MIT
#pragma once

// The whole program behind main(): arguments, the application objects,
// start-up and shut-down. Returns the process's exit code.
int RunVendrask(int argc, char** argv);
