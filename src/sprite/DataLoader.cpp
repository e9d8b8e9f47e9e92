#include "sprite/DataLoader.h"

#include "io/ByteArrayInputStream.h"
#include "io/FileInputStream.h"
#include "lang/Class.h"
#include "lang/Exception.h"
#include "lang/ResourceFile.h"
#include "lang/ResourceItem.h"
#include "sprite/detail/TableScanner.h"
#include "sprite/FancyContainer.h"
#include "sprite/LoadListener.h"
#include "sprite/ImageBundleFormat.h"
#include "sprite/User.h"
#include "util/OwningArray.h"
#include "window/audio/AudioClip.h"
#include "window/Platform.h"
#include "window/raster/PixelImage.h"

#include <cstring>
#include <vector>

namespace sprite {

namespace {

DataLoader::MessageHandler& messageHandler()
{
    static DataLoader::MessageHandler handler;
    return handler;
}

// Sets the image layer's immediate-load switch for a scope and puts the old value back.
class ImmediateLoad {
public:
    ImmediateLoad() : saved(window::ImageBase::forceImmediateLoad.exchange(true)) {}
    ~ImmediateLoad() { window::ImageBase::forceImmediateLoad = saved; }

private:
    bool saved;
};

// Raises the hidden-load depth for a scope when asked to.
class HiddenLoad {
public:
    explicit HiddenLoad(bool raise) : raised(raise)
    {
        if (raised)
            ++window::ImageBase::hiddenLoadDepth;
    }
    ~HiddenLoad()
    {
        if (raised)
            --window::ImageBase::hiddenLoadDepth;
    }

private:
    bool raised;
};

// The class name and the sub-table name of a class token "Class:table".
void splitClassToken(const lang::String& token, lang::String& className, lang::String& subTable)
{
    const int32_t colon = token.indexOf(':');
    className = colon < 0 ? token : token.substring(0, colon);
    subTable = colon < 0 ? lang::String() : token.substring(colon + 1);
}

bool packageHolds(const lang::String& itemName)
{
    lang::ResourceFile* package = lang::ResourceFile::getDefault();
    if (!package)
        return false;
    lang::Ref<lang::ResourceItem> item = lang::adopt(package->getItem(itemName, false));
    return item != nullptr;
}

// A picture that can be drawn, now or once it is decoded on first use.
bool holdsPicture(window::ImageBase* image)
{
    return image && (image->getPixels() || (!image->isLoadFailed() && image->getWidth() > 0 && image->getHeight() > 0));
}

int32_t readFully(io::InputStream& in, uint8_t* buffer, int32_t count)
{
    int32_t done = 0;
    while (done < count) {
        const int32_t got = in.read(buffer, done, count - done);
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

bool readBigEndian(io::InputStream& in, uint32_t& value)
{
    uint8_t bytes[4];
    if (readFully(in, bytes, 4) != 4)
        return false;
    value = uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
    return true;
}

} // namespace

DataLoader::DataLoader(const lang::String& baseDir, LoadListener* listener, User* resolver)
    : DataLoader(baseDir, listener, resolver, nullptr)
{
}

DataLoader::DataLoader(const lang::String& baseDir, LoadListener* listener, User* resolver, util::Hashtable* cache)
    : listener(lang::retain(listener)), resolver(lang::retain(resolver)), baseDir(baseDir),
      sounds(lang::adopt<lang::ObjectArray>(new OwningObjectArray)),
      strings(lang::adopt<lang::StringArray>(new OwningStringArray)),
      tableCache(cache ? lang::retain(cache) : lang::adopt(new util::Hashtable)),
      data(lang::adopt(new lang::IntArray))
{
}

DataLoader::~DataLoader() = default;

void DataLoader::setMessageHandler(MessageHandler handler)
{
    messageHandler() = std::move(handler);
}

void DataLoader::report(const char* caption, const lang::String& text)
{
    if (messageHandler())
        messageHandler()(caption, text.c_str());
    else
        window::platform::showMessageBox(caption, text.c_str());
}

void DataLoader::reportException(lang::Exception* exception, int32_t line)
{
    lang::String text = exception->getMessage() + " (" + tableName;
    if (line > 0)
        text = text + ", line " + line;
    report("Error", text + ")");
}

int32_t DataLoader::countItems(const lang::String& name)
{
    int32_t count = 0;
    readTableNamed(name, Pass::Count, count);
    return count;
}

bool DataLoader::load(const lang::String& name)
{
    spriteList = lang::adopt(new util::Vector(10));
    images.clear();
    spritesByName = lang::adopt(new util::Hashtable);
    int32_t count = 0;
    return readTableNamed(name, Pass::Load, count);
}

bool DataLoader::readTableNamed(const lang::String& name, Pass pass, int32_t& count)
{
    tableName = name;
    int32_t line = 0;
    try {
        lang::Ref<io::InputStream> stream = lang::adopt(openTable(name));
        if (!stream)
            return false;
        TableScanner in(stream.get());
        try {
            readTable(in, pass, count);
        } catch (lang::Exception*) {
            line = in.lineNumber();
            throw;
        }
    } catch (lang::Exception* exception) {
        reportException(exception, line);
        exception->release();
        return false;
    }
    return true;
}

io::InputStream* DataLoader::openTable(const lang::String& name)
{
    if (lang::Object* cached = tableCache->get(name)) {
        auto* stream = static_cast<io::InputStream*>(cached);
        stream->reset();
        stream->addRef();
        return stream;
    }
    lang::Ref<io::InputStream> stream;
    if (name.startsWith("+")) {
        lang::ResourceFile* package = lang::ResourceFile::getDefault();
        lang::Ref<lang::ResourceItem> item = lang::adopt(package ? package->getItem(name.substring(1), true) : nullptr);
        if (!item)
            return nullptr;
        stream = lang::adopt<io::InputStream>(new io::ByteArrayInputStream(name));
    } else {
        stream = lang::adopt<io::InputStream>(new io::FileInputStream(baseDir, name));
    }
    tableCache->put(name, stream.get());
    return stream.detach();
}

void DataLoader::readTable(TableScanner& in, Pass pass, int32_t& count)
{
    TableToken token = in.next();
    while (!token.isEnd()) {
        const lang::String& header = token.text;
        if (token.kind != TableToken::Word)
            token = in.next();
        else if (header.equalsIgnoreCase("<end>"))
            return;
        else if (header.equalsIgnoreCase("<images>"))
            token = readImages(in, pass, count);
        else if (header.equalsIgnoreCase("<sounds>"))
            token = readSounds(in, pass, count);
        else if (header.equalsIgnoreCase("<data>"))
            token = readData(in, pass);
        else if (header.equalsIgnoreCase("<strings>"))
            token = readStrings(in, pass);
        else if (header.equalsIgnoreCase("<sprites>"))
            token = readSprites(in, pass, count);
        else
            token = in.next(); // outside every section
    }
}

TableToken DataLoader::readImages(TableScanner& in, Pass pass, int32_t& count)
{
    for (;;) {
        TableToken first = in.next();
        if (first.isEnd() || first.isHeaderLike())
            return first;
        if (first.text.endsWith(".bin")) {
            ++count;
            if (pass == Pass::Load) {
                loadImageBundle(first.text);
                addProgress();
            }
            continue;
        }
        TableToken spec = in.next();
        if (spec.isEnd() || spec.isHeaderLike())
            return spec;
        ++count;
        if (pass == Pass::Load) {
            addImage(first.text, spec.text);
            addProgress();
        }
    }
}

TableToken DataLoader::readSounds(TableScanner& in, Pass pass, int32_t& count)
{
    std::vector<lang::Ref<window::AudioClip>> clips;
    TableToken token = in.next();
    for (; !token.isEnd() && !token.isHeaderLike(); token = in.next()) {
        if (token.text.length() <= 2)
            continue;
        ++count;
        if (pass == Pass::Load) {
            clips.push_back(lang::adopt(createSound(token.text)));
            addProgress();
        }
    }
    if (pass == Pass::Load) {
        sounds = lang::adopt<lang::ObjectArray>(new OwningObjectArray(int32_t(clips.size())));
        for (size_t i = 0; i < clips.size(); ++i)
            (*sounds)[int32_t(i)] = clips[i].detach();
    }
    return token;
}

TableToken DataLoader::readData(TableScanner& in, Pass pass)
{
    std::vector<int32_t> numbers;
    TableToken token = in.next();
    while (token.isNumber()) {
        numbers.push_back(token.toInt());
        if (int32_t(numbers.size()) == MaxDataNumbers) {
            token = TableToken(); // a full section ends the table
            break;
        }
        token = in.next();
    }
    if (pass == Pass::Load) {
        data = lang::adopt(new lang::IntArray(int32_t(numbers.size())));
        for (size_t i = 0; i < numbers.size(); ++i)
            (*data)[int32_t(i)] = numbers[i];
    }
    return token;
}

TableToken DataLoader::readStrings(TableScanner& in, Pass pass)
{
    std::vector<lang::String> texts;
    TableToken token = in.next();
    for (; !token.isEnd() && !token.isHeaderLike(); token = in.next())
        texts.push_back(token.text);
    if (pass == Pass::Load) {
        strings = lang::adopt<lang::StringArray>(new OwningStringArray(int32_t(texts.size())));
        for (size_t i = 0; i < texts.size(); ++i)
            (*strings)[int32_t(i)] = new lang::String(texts[i]);
    }
    return token;
}

TableToken DataLoader::readSprites(TableScanner& in, Pass pass, int32_t& count)
{
    TableToken token = in.next();
    for (;;) {
        if (token.isEnd() || token.isHeaderLike())
            return token;
        const int32_t line = in.lineNumber();
        const lang::String entryName = token.text;
        const TableToken classToken = in.next();
        if (classToken.isEnd() || classToken.isHeaderLike())
            return classToken;
        lang::Ref<window::ImageArray> pictures = lang::adopt(new window::ImageArray);
        token = in.next();
        for (; token.kind == TableToken::Word && !token.isHeaderLike(); token = in.next()) {
            if (pass == Pass::Load)
                pictures->append(token.text.isEmpty() ? nullptr : pictureNamed(token.text));
        }
        std::vector<int32_t> values;
        for (; token.isNumber(); token = in.next())
            values.push_back(token.toInt());
        ++count;
        if (pass == Pass::Count) {
            count += countSubTable(classToken.text);
            continue;
        }
        lang::Ref<lang::IntArray> numbers = lang::adopt(new lang::IntArray(int32_t(values.size())));
        for (size_t i = 0; i < values.size(); ++i)
            (*numbers)[int32_t(i)] = values[i];
        makeSpriteEntry(entryName, classToken.text, pictures.get(), numbers.get(), line);
    }
}

void DataLoader::makeSpriteEntry(const lang::String& entryName, const lang::String& classToken,
    window::ImageArray* pictures, lang::IntArray* numbers, int32_t line)
{
    lang::Ref<SpriteBase> sprite;
    if (listener)
        sprite = lang::adopt(listener->createSprite(classToken, numbers, pictures, this));
    if (!sprite)
        sprite = lang::adopt(createSprite(classToken, numbers, pictures));
    if (!sprite)
        return;
    addProgress();
    spriteList->addElement(sprite.get());
    if (entryName.isEmpty())
        return;
    sprite->setName(entryName);
    if (spritesByName->containsKey(&entryName)) {
        report((lang::String("Duplicate name in ") + tableName).c_str(), entryName + " (line " + line + ")");
        while (spritesByName->remove(&entryName)) {
        }
    }
    spritesByName->put(entryName, sprite.get());
}

SpriteBase* DataLoader::createSprite(const lang::String& classToken, lang::IntArray* numbers, window::ImageArray* pictures)
{
    lang::String className, subTable;
    splitClassToken(classToken, className, subTable);
    lang::Class* type = lang::Class::forName(className);
    if (!type)
        return nullptr;
    lang::Ref<lang::Object> made = lang::adopt(type->newInstance());
    if (!made || !made->isInstanceOf("SpriteBase"))
        return nullptr;
    auto* sprite = static_cast<SpriteBase*>(made.get());
    if (!sprite->init(pictures, numbers))
        return nullptr;
    if (subTable.isEmpty() || !sprite->isInstanceOf("FancyContainer"))
        return static_cast<SpriteBase*>(made.detach());
    auto* container = static_cast<FancyContainer*>(sprite);
    if (lang::Ref<DataLoader> subLoader = makeSubLoader(subTable)) {
        // A container that starts hidden decodes its pictures when it is first shown.
        HiddenLoad hidden(!container->isVisible());
        if (subLoader->load(subTable)) {
            util::Vector* children = subLoader->getSpriteList();
            for (int32_t i = 0; i < children->size(); ++i)
                container->add(static_cast<SpriteBase*>(children->elementAt(i)));
            container->tableLoaded(subLoader.get());
            subLoader->sounds.reset();
            subLoader->strings.reset();
        }
    }
    return static_cast<SpriteBase*>(made.detach());
}

int32_t DataLoader::countSubTable(const lang::String& classToken)
{
    if (!listener)
        return 0;
    lang::String className, subTable;
    splitClassToken(classToken, className, subTable);
    lang::Class* type = lang::Class::forName(className);
    if (subTable.isEmpty() || !type)
        return 0;
    lang::Ref<lang::Object> made = lang::adopt(type->newInstance());
    if (!made || !made->isInstanceOf("FancyContainer"))
        return 0;
    lang::Ref<DataLoader> subLoader = makeSubLoader(subTable);
    return subLoader ? subLoader->countItems(subTable) : 0;
}

lang::Ref<DataLoader> DataLoader::makeSubLoader(const lang::String& subTable)
{
    // A table that names itself, directly or further down, would be read forever.
    if (depth + 1 > MaxTableDepth || isReading(subTable))
        return nullptr;
    lang::Ref<DataLoader> subLoader = lang::adopt(new DataLoader(baseDir, listener.get(), resolver.get(), tableCache.get()));
    subLoader->parent = this;
    subLoader->depth = depth + 1;
    return subLoader;
}

bool DataLoader::isReading(const lang::String& name) const
{
    for (const DataLoader* loader = this; loader; loader = loader->parent) {
        if (loader->tableName.equals(name))
            return true;
    }
    return false;
}

void DataLoader::addProgress()
{
    if (listener)
        listener->addLoadProgress(1);
}

lang::String DataLoader::diskPath(const lang::String& name) const
{
    if (baseDir.isEmpty())
        return name;
    return baseDir.endsWith("/") ? baseDir + name : baseDir + "/" + name;
}

void DataLoader::replaceImage(const lang::String& pictureName, window::ImageBase* image)
{
    while (images.remove(&pictureName)) {
    }
    images.put(pictureName, image);
}

void DataLoader::addImage(const lang::String& pictureName, const lang::String& spec)
{
    lang::Ref<window::ImageBase> image = lang::adopt(createImage(spec));
    replaceImage(pictureName, image.get());
}

window::ImageBase* DataLoader::createImage(const lang::String& spec)
{
    if (!spec.startsWith("@"))
        return imageOfSpec(spec);
    // The settings store names the picture; the package item of the key is the fallback.
    const lang::String key = spec.substring(1);
    const lang::String fallback = lang::String("+") + key;
    const lang::String chosen = resolver ? resolver->getString(key, fallback) : fallback;
    lang::Ref<window::ImageBase> image;
    if (chosen.startsWith("+")) {
        image = lang::adopt(imageOfSpec(chosen));
    } else {
        // Read at once, so that a missing file shows as a picture without pixels.
        ImmediateLoad immediate;
        image = lang::adopt(imageOfSpec(chosen));
    }
    if (!holdsPicture(image.get()))
        image = lang::adopt(imageOfSpec(fallback));
    return image.detach();
}

window::ImageBase* DataLoader::imageOfSpec(const lang::String& spec)
{
    // Each part of "picture|mask" that names a file lies in the base directory.
    lang::String joined;
    int32_t start = 0;
    for (;;) {
        const int32_t bar = spec.indexOf('|', start);
        const lang::String part = bar < 0 ? spec.substring(start) : spec.substring(start, bar);
        joined.append(part.startsWith("+") ? part : diskPath(part));
        if (bar < 0)
            break;
        joined.append('|');
        start = bar + 1;
    }
    return new window::PixelImage(joined);
}

window::ImageBase* DataLoader::pictureNamed(const lang::String& pictureName)
{
    if (lang::Object* found = images.get(pictureName))
        return static_cast<window::ImageBase*>(found);
    lang::String spec = lang::String("+") + pictureName;
    const lang::String maskItem = pictureName + "_automask";
    if (packageHolds(maskItem))
        spec = spec + "|+" + maskItem;
    lang::Ref<window::ImageBase> image = lang::adopt<window::ImageBase>(new window::PixelImage(spec));
    images.put(pictureName, image.get());
    return image.get();
}

window::AudioClip* DataLoader::createSound(const lang::String& token)
{
    lang::String name = token;
    int32_t kind = window::AudioClip::KindSample;
    if (name.startsWith("*")) {
        name = name.substring(1);
        kind = window::AudioClip::KindStream;
    }
    if (name.endsWith(".s3m") || name.endsWith(".mod") || name.endsWith(".xm"))
        kind = window::AudioClip::KindSong;
    const lang::String source = name.startsWith("+") ? name : diskPath(name);
    auto* clip = new window::AudioClip;
    clip->setSource(source, kind);
    clip->load(kind, source);
    return clip;
}

void DataLoader::loadImageBundle(const lang::String& fileName)
{
    try {
        io::FileInputStream in(diskPath(fileName));
        uint32_t count = 0;
        uint32_t total = 0;
        if (!readBigEndian(in, count) || !readBigEndian(in, total))
            return;
        if (count < 1 || total > bundle::MaxTotalBytes || total < 4ull * count)
            return;
        // Pictures decoded from memory cannot be read again later: decode them whole now.
        ImmediateLoad immediate;
        uint64_t consumed = bundle::HeaderBytes;
        for (uint32_t i = 0; i < count; ++i) {
            uint32_t length = 0;
            uint8_t nameLength = 0;
            if (!readBigEndian(in, length) || readFully(in, &nameLength, 1) != 1)
                return;
            // One byte more than the field, always zero: a name that fills its field (or an
            // empty field) still ends.
            std::vector<uint8_t> nameField(nameLength + 1u, 0);
            if (readFully(in, nameField.data(), nameLength) != nameLength)
                return;
            consumed += 5 + nameLength;
            if (length == 0)
                continue;
            if (length > total - std::min<uint64_t>(consumed, total))
                return; // the rest of the bundle lies about its size
            std::vector<uint8_t> bytes(length);
            const int32_t got = readFully(in, bytes.data(), int32_t(length));
            consumed += uint32_t(got);
            if (got != int32_t(length))
                continue;
            for (uint8_t& byte : bytes)
                byte ^= bundle::Key;
            const lang::String pictureName(reinterpret_cast<const char*>(nameField.data()));
            lang::Ref<window::ImageBase> image = lang::adopt<window::ImageBase>(new window::PixelImage(bytes.data(), int32_t(length)));
            replaceImage(pictureName, image.get());
        }
    } catch (lang::Exception* exception) {
        exception->release();
    }
}

bool DataLoader::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "DataLoader") == 0 || Object::isInstanceOf(className);
}

} // namespace sprite
