#include "Commands.h"

#include "Catalogue.h"
#include "Png.h"
#include "Sticker.h"
#include "Style.h"

#include <fstream>

namespace contentgen {

int makeItems(const std::string& outDir, const std::string& listPath, const std::string& cataloguePath)
{
    const std::vector<Shop> shops = readCatalogue(cataloguePath);
    const EmojiFont emoji(style::emojiFont);
    std::ofstream list(listPath, std::ios::trunc);
    for (const Shop& shop : shops)
        for (const CatalogueItem& item : shop.items) {
            const std::string picture = itemPictureName(item.shop, item.kind);
            writePng(outDir + "/" + picture + ".png", emojiSticker(emoji, item.codepoint, style::itemSize, style::itemArt));
            list << picture << "=" << outDir << "/" << picture << ".png\n";
        }
    return 0;
}

} // namespace contentgen
