// Drive networks for tests, described in the host's JSON like a user's file.
#pragma once

#include <memory>

#include "MC_DriveNetwork.h"

// Loads a network from JSON text, failing the test with the loader's message when it is refused.
std::unique_ptr<CMC_DriveNetwork> LoadTestNetwork(const char* pszJson);

// One master with slaves covering every path of slave resolution:
//   0 A: axis 1, MER_MASK, error bits 0x00FF, functions Home Jog MoveAbs Stop
//   1 B: axis 2, MER_MASK, error bits 0xF0F3, 12 functions F0..F11
//   2 C: axis 3, no MER_MASK, no motion program
//   3 D: axis 4, itself a motion controller (1), MER_MASK, function Sync
//   4 E: axis 5, no axis data in the master's program
//   5 F: axis ID 0 (the master reports none)
//   6 G: axis 7, axis data without a setup
//   7 H: axis 8, MER_MASK, error bits 0x0003, a program without functions
//   8 I: axis 9, motion controller value 2, function Go
std::unique_ptr<CMC_DriveNetwork> LoadStandardNetwork();
