// The campaign's content: the pictures of the calendar, the upgrade screen and the story board,
// and the preview package that shows each screen through the engine.
#include "Commands.h"

#include "CampaignArt.h"
#include "CampaignPreview.h"
#include "Catalogue.h"
#include "Style.h"

namespace contentgen {

int makeCampaign(const std::string& outDir, const std::string& listPath, const std::string& tablesDir,
    const std::string& cataloguePath)
{
    ShopNames shops;
    for (const Shop& shop : readCatalogue(cataloguePath))
        shops.push_back(shop.title);
    const EmojiFont emoji(style::emojiFont);
    PictureWriter out(outDir, listPath);
    makeCalendarArt(out, emoji, shops);
    makeUpgradeArt(out, emoji);
    const int storyPages = makeStoryArt(out, emoji);
    writeCampaignPreview(outDir + "/preview", tablesDir, storyPages);
    return 0;
}

} // namespace contentgen
