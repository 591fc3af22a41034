#pragma once

// How long the start takes, phase by phase. With VESK_START_PHASES set in the environment each
// mark writes "start-phase NAME SECONDS" to standard error, SECONDS on the monotonic clock (the
// clock a benchmark that started the program reads too); otherwise a mark costs one test of a
// flag. Standard output stays the debug lines' own.
namespace StartPhases {

void mark(const char* name);

}  // namespace StartPhases
