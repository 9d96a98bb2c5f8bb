// The commands of the "File" and "Help" menus every working screen carries.
#pragma once

#include "shell/program.h"

namespace survey {

inline constexpr const char* kHelpDocument = "help.pdf";

// Asks to exit and to save; saves the four tables when the user agrees.
// Returns whether the program ends (it stays open when the save failed).
bool exitProgram(Program& program);
void openHelp(Program& program);
void printCurrentScreen(Program& program);

}  // namespace survey
