// A preview package of the campaign's screens: each screen in a few typical states, rebuilt
// from copies of the game's own tables as plain dialogs (the game classes place cells,
// markers and buttons at run time; here the preview places them the same way), and a harness
// script that opens one state after another and screenshots it.
#pragma once

#include <string>

namespace contentgen {

// Writes FOLDER/preview.list (the preview's tables as package items), the tables themselves
// and FOLDER/preview.script. `tablesDir` holds Calendar.txt, UpgradeMyShop.txt and StoryBoard.txt.
void writeCampaignPreview(const std::string& folder, const std::string& tablesDir, int storyPages);

} // namespace contentgen
