// Moving between screens and the pieces every screen shares.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/program.h"

namespace survey {

// Shows a screen and discards the other working screens, with the extra
// steps some screens take around being shown.
Screen& showScreen(Program& program, const std::string& name);

// Load empties the screen's text boxes for a new record; Tab sets up the airport screen
// reached through its tab.
void prepareScreen(Program& program, const std::string& name, Preparation mode);

// The tab strip's handler: acts only while its screen is shown.
void handleTabClick(Screen& screen);

void setBoldTextBoxes(Screen& screen);
void showSurveyInStatusBar(Screen& screen);

// "File" (Print, Exit) and "Help" (On-Line Help), as every working screen has them;
// a screen's own File items go between Print and Exit.
void addStandardMenus(Screen& screen, std::vector<MenuItem> moreFileItems = {});

}  // namespace survey
