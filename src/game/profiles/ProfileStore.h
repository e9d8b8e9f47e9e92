// The players' profiles and the current profile's saved game. A profile is a subkey of the
// store that holds the profiles, named after the player; its record is the chunked binary value
// "userdata" below it, and "MRUHSNAME" names the profile used last. The profiles live in the
// game's own settings unless the setting "LASTPROFILE" names another place: then they live in
// a second store under "Kipto\" and that name, while the frame's settings stay where they are.
#pragma once

#include "game/save/ProfileSave.h"
#include "lang/Ref.h"
#include "lang/String.h"

#include <vector>

namespace sprite {
class User;
}

class ProfileStore : public lang::Object {
public:
    static constexpr const char* LastUsedKey = "MRUHSNAME";
    static constexpr const char* PlaceKey = "LASTPROFILE";
    static constexpr const char* DefaultPlace = "Player";
    static constexpr const char* PlacesKey = "Kipto\\";

    ProfileStore();
    ~ProfileStore() override;

    // Chooses where the profiles live from the game's settings (which gain a reference);
    // `registryName` is the name the settings were opened with.
    void open(sprite::User* settings, const lang::String& registryName);
    // The store of the profiles and their records (not counted), or none before open.
    sprite::User* getStore() const { return store.get(); }

    // The profiles in the store's order; subkeys whose names break the name rules are left out.
    std::vector<lang::String> listNames();
    // The stored spelling of the profile with that name (case ignored); empty when none.
    lang::String findName(const lang::String& name);
    // Creates the profile's subkey.
    void addProfile(const lang::String& name);
    // Deletes the profile's record and subkey. When it is the profile used last, "MRUHSNAME"
    // is cleared; when it is the current one, there is no current profile any more and its
    // record is never written again.
    void deleteProfile(const lang::String& name);
    // "MRUHSNAME" when it follows the name rules; otherwise empty.
    lang::String getLastUsed();
    void setLastUsed(const lang::String& name);

    // The current profile's name; empty while none is chosen.
    const lang::String& getCurrentName() const { return currentName; }
    // The current record (not counted; replaced when a profile is chosen).
    ProfileSave* getSave() const { return save.get(); }
    // Makes the profile current with a fresh record and reads its stored one; when nothing is
    // stored, the fresh record is written at once. Answers whether a stored record was read.
    bool choose(const lang::String& name);
    // Reads the current profile's record into the current one; false when none is stored.
    bool loadSave();
    // Writes the current record. False when nothing was written: no profile is current, or the
    // record did not reach the settings file (the one stored before stays; the store then says
    // it fails, User::isWriteFailing, until a later write reaches it).
    bool saveSave();
    // A fresh record with the defaults, for the current profile.
    void resetSave();

    const char* getClassName() const override { return "ProfileStore"; }

private:
    lang::Ref<sprite::User> store;
    lang::String currentName;
    lang::Ref<ProfileSave> save;
};
