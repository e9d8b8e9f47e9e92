// The commands of kipto2-content-gen, one per kind of content. Each writes its files into
// an output folder and a list of package items ("NAME=PATH" lines) for the package writer.
#pragma once

#include <string>

namespace contentgen {

int makeSounds(const std::string& outDir, const std::string& listPath);
// Item pictures from the catalogue source.
// The engine-level pictures, the UI kit, fonts and digits; labelled buttons from a source.
int makeUi(const std::string& outDir, const std::string& listPath, const std::string& buttonsPath);
int makeItems(const std::string& outDir, const std::string& listPath, const std::string& cataloguePath);

// The texts of texts.txt, then the shop and item names of the catalogue.
int makeTexts(const std::string& outDir, const std::string& listPath, const std::string& textsPath, const std::string& cataloguePath);

// The gallery table and its preview, from the generated UI pictures, items and texts.
int makeGallery(const std::string& outDir, const std::string& listPath, const std::string& uiDir, const std::string& itemsDir,
                const std::string& textsDir, const std::string& cataloguePath);

// The menu screens' pictures and fonts; needs the UI kit's folder and the catalogue.
int makeMenus(const std::string& outDir, const std::string& listPath, const std::string& uiDir, const std::string& cataloguePath);
// The harness's preview package of the menu screens, over the tables of `contentDir`.
int makeMenuPreview(const std::string& outDir, const std::string& listPath, const std::string& contentDir);
// The campaign's pictures and their preview package; SOURCE is content/tables, then the catalogue.
int makeCampaign(const std::string& outDir, const std::string& listPath, const std::string& tablesDir, const std::string& cataloguePath);
// The shop round: the twelve shops' pictures (rooms, HUD, dialogs, the player's own shop's
// decorations) from the catalogue, and a preview package's tables (OUTDIR/preview.list) drawn
// with the UI and item pictures. The shop tables are written into TABLESDIR with
// writeTables, otherwise checked against it.
int makeShops(const std::string& outDir, const std::string& listPath, const std::string& cataloguePath, const std::string& uiDir,
              const std::string& itemsDir, const std::string& tablesDir, bool writeTables);

} // namespace contentgen
