#include "sprite/settings/SettingsStore.h"

#include <cstring>

namespace sprite {

namespace {

SettingsStoreOpener installedOpener = nullptr;

class NullSettingsStore : public SettingsStore {
public:
    bool getValue(const lang::String&, const lang::String&, Value&) override { return false; }
    bool setValue(const lang::String&, const lang::String&, int32_t, const uint8_t*, size_t) override
    {
        return false;
    }
    bool deleteValue(const lang::String&, const lang::String&) override { return false; }
    bool deleteKey(const lang::String&) override { return false; }
    std::vector<lang::String> listSubkeys(const lang::String&) override { return {}; }
    void deleteNumberedValuesFrom(const lang::String&, int32_t) override {}
    bool isPersistent() const override { return false; }
    bool lastWriteFailed() const override { return false; }
    int32_t getFailureRuns() const override { return 0; }
    lang::String getTrouble() const override { return lang::String(""); }
    const char* getClassName() const override { return "NullSettingsStore"; }

protected:
    void beginWrite() override {}
    void endWrite() override {}
};

} // namespace

void installSettingsStore(SettingsStoreOpener opener)
{
    installedOpener = opener;
}

SettingsStore* openSettingsStore(const lang::String& name)
{
    return installedOpener ? installedOpener(name) : new NullSettingsStore;
}

bool SettingsStore::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "SettingsStore") == 0 || Object::isInstanceOf(className);
}

} // namespace sprite
