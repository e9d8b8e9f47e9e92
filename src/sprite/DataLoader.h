// Reads one sprite table and creates what it declares: pictures (<images>, image bundles),
// sounds (<sounds>), texts (<strings>), numbers (<data>) and sprites (<sprites>), containers
// with their sub-tables. The canvas counts a table first (countItems) for the loading bar, then
// loads it and takes the results over. Bad entries are dropped and loading goes on; what the
// player must know (a duplicate name, an exception) comes up in a message box naming the table
// and the line. The loader reports to a LoadListener (the canvas), which may make the sprites of
// its own classes.
#pragma once

#include "lang/Array.h"
#include "lang/Ref.h"
#include "util/Hashtable.h"
#include "util/Vector.h"
#include "window/image/ImageArray.h"

#include <functional>

namespace io {
class InputStream;
}

namespace lang {
class Exception;
}

namespace window {
class AudioClip;
}

namespace sprite {

class LoadListener;
class SpriteBase;
class TableScanner;
struct TableToken;
class User;

class DataLoader : public lang::Object {
public:
    // At most this many numbers form a <data> section; the table ends after them.
    static constexpr int32_t MaxDataNumbers = 500;
    // Sub-tables nest at most this deep.
    static constexpr int32_t MaxTableDepth = 16;

    // A loader for a top-level table, with a table cache of its own. The listener and the
    // settings store (which resolves "@" picture names) may be none; both gain a reference.
    // Without a listener the sub-tables of containers are not counted.
    DataLoader(const lang::String& baseDir, LoadListener* listener, User* resolver);
    // A loader for a sub-table, sharing the table cache.
    DataLoader(const lang::String& baseDir, LoadListener* listener, User* resolver, util::Hashtable* tableCache);
    ~DataLoader() override;

    // The number of progress items of the table; 0 when it cannot be opened.
    int32_t countItems(const lang::String& tableName);
    // True when the table could be opened, whatever it held; false when it could not or an
    // exception ended the load.
    bool load(const lang::String& tableName);
    // The stream of a table ("+" and a package item, or a file in the base directory), rewound
    // when it is in the cache; none when there is no such item. The caller releases it. Throws
    // "Error Opening " for a file that cannot be read.
    io::InputStream* openTable(const lang::String& tableName);
    // A new sprite of the entry's class ("Class" or "Class:subtable"), initialised from the entry;
    // none for an unknown class or an entry the class refuses. The caller releases it.
    SpriteBase* createSprite(const lang::String& classToken, lang::IntArray* numbers, window::ImageArray* pictures);

    // Results of the last load, borrowed.
    lang::StringArray* getStrings() const { return strings.get(); }
    lang::IntArray* getData() const { return data.get(); }
    // Audio clips by position.
    lang::ObjectArray* getSounds() const { return sounds.get(); }
    util::Vector* getSpriteList() const { return spriteList.get(); }
    util::Hashtable* getSpritesByName() const { return spritesByName.get(); }
    // The pictures of the last table by name.
    util::Hashtable& getImages() { return images; }
    const lang::String& getBaseDir() const { return baseDir; }

    // Where message boxes go (caption, text); the platform's message box unless a test sets
    // another. None restores the platform's.
    using MessageHandler = std::function<void(const char* caption, const char* text)>;
    static void setMessageHandler(MessageHandler handler);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "DataLoader"; }

private:
    enum class Pass { Count, Load };

    // Opens the table and walks it; false when it cannot be opened or an exception (reported
    // in an "Error" box) ended the walk.
    bool readTableNamed(const lang::String& name, Pass pass, int32_t& count);
    // Walks the whole table; the count pass adds up progress items in `count`, the load pass
    // creates.
    void readTable(TableScanner& in, Pass pass, int32_t& count);
    // Each section reader returns the token that ended its section.
    TableToken readImages(TableScanner& in, Pass pass, int32_t& count);
    TableToken readSounds(TableScanner& in, Pass pass, int32_t& count);
    TableToken readData(TableScanner& in, Pass pass);
    TableToken readStrings(TableScanner& in, Pass pass);
    TableToken readSprites(TableScanner& in, Pass pass, int32_t& count);
    // One <sprites> entry whose name and class have been read.
    void makeSpriteEntry(const lang::String& entryName, const lang::String& classToken,
        window::ImageArray* pictures, lang::IntArray* numbers, int32_t line);
    int32_t countSubTable(const lang::String& classToken);

    void loadImageBundle(const lang::String& fileName);
    void addImage(const lang::String& pictureName, const lang::String& spec);
    // The picture of a spec: "+item", "@setting" or a file in the base directory (caller
    // releases).
    window::ImageBase* createImage(const lang::String& spec);
    window::ImageBase* imageOfSpec(const lang::String& spec);
    // A picture named in a sprite entry: made once per table from "+name" (masked by
    // "+name_automask" when the package holds it). Borrowed.
    window::ImageBase* pictureNamed(const lang::String& pictureName);
    window::AudioClip* createSound(const lang::String& token);
    lang::String diskPath(const lang::String& name) const;
    void replaceImage(const lang::String& pictureName, window::ImageBase* image);

    void addProgress();
    void reportException(lang::Exception* exception, int32_t line);
    void report(const char* caption, const lang::String& text);
    // A sub-loader for a container's sub-table; none when the sub-table is already being read
    // above it or the nesting is too deep.
    lang::Ref<DataLoader> makeSubLoader(const lang::String& subTable);
    bool isReading(const lang::String& tableName) const;

    lang::Ref<LoadListener> listener;
    lang::Ref<User> resolver;
    lang::String baseDir;
    lang::Ref<lang::ObjectArray> sounds;
    lang::Ref<lang::StringArray> strings;
    lang::Ref<util::Hashtable> tableCache;
    lang::Ref<lang::IntArray> data;
    lang::Ref<util::Vector> spriteList;
    lang::Ref<util::Hashtable> spritesByName;
    util::Hashtable images;

    // The loader whose entry named this sub-table, and the table being read now.
    const DataLoader* parent = nullptr;
    int32_t depth = 0;
    lang::String tableName;
};

} // namespace sprite
