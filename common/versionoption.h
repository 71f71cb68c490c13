#pragma once

namespace vexo {

// Prints "<program> <suite version>" to standard output when the command line
// holds "--version", and returns true: the caller then exits without touching
// the display or the cameras.
bool printVersionIfAsked(int argc, char *argv[], const char *program);

} // namespace vexo
