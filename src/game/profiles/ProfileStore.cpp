#include "game/profiles/ProfileStore.h"

#include "game/profiles/ProfileName.h"
#include "lang/Debug.h"
#include "sprite/User.h"
#include "util/OwningArray.h"

ProfileStore::ProfileStore() : save(lang::adopt(new ProfileSave)) {}

ProfileStore::~ProfileStore() = default;

void ProfileStore::open(sprite::User* settings, const lang::String& registryName)
{
    store = lang::retain(settings);
    if (!settings)
        return;
    const lang::String place = settings->getString(PlaceKey, DefaultPlace);
    if (place.equalsIgnoreCase(DefaultPlace))
        return;
    lang::debugOutput((lang::String("Profiles are kept under ") + PlacesKey + place + "\n").c_str());
    store = lang::adopt(new sprite::User);
    store->open(registryName + "\\" + PlacesKey + place);
}

std::vector<lang::String> ProfileStore::listNames()
{
    std::vector<lang::String> names;
    if (!store)
        return names;
    lang::Ref<lang::StringArray> subkeys = lang::adopt<lang::StringArray>(new sprite::OwningStringArray);
    store->listSubkeys(*subkeys);
    for (int32_t i = 0; i < subkeys->length(); ++i) {
        const lang::String* name = subkeys->at(i);
        if (name && ProfileName::isValid(*name))
            names.push_back(*name);
    }
    return names;
}

lang::String ProfileStore::findName(const lang::String& name)
{
    for (const lang::String& stored : listNames()) {
        if (ProfileName::same(stored, name))
            return stored;
    }
    return lang::String();
}

void ProfileStore::addProfile(const lang::String& name)
{
    if (store && ProfileName::isValid(name))
        store->setString(name + "\\", "");
}

void ProfileStore::deleteProfile(const lang::String& name)
{
    if (!store || name.isEmpty())
        return;
    store->deleteValue(ProfileSave::pathOf(name));
    store->deleteValue(name);
    if (ProfileName::same(store->getString(LastUsedKey, ""), name))
        store->setString(LastUsedKey, "");
    if (ProfileName::same(currentName, name))
        currentName = lang::String();
}

lang::String ProfileStore::getLastUsed()
{
    const lang::String name = store ? store->getString(LastUsedKey, "") : lang::String();
    return ProfileName::isValid(name) ? name : lang::String();
}

void ProfileStore::setLastUsed(const lang::String& name)
{
    if (store)
        store->setString(LastUsedKey, name);
}

bool ProfileStore::choose(const lang::String& name)
{
    currentName = name;
    resetSave();
    if (loadSave())
        return true;
    saveSave();
    return false;
}

bool ProfileStore::loadSave()
{
    return store && !currentName.isEmpty() && save->load(*store, currentName);
}

bool ProfileStore::saveSave()
{
    if (!store || currentName.isEmpty())
        return false;
    if (save->save(*store, currentName))
        return true;
    lang::debugOutput((lang::String("ProfileStore: the record of ") + currentName + " was not saved\n").c_str());
    return false;
}

void ProfileStore::resetSave()
{
    save = lang::adopt(new ProfileSave);
}
