#include "sprite/settings/SettingsLocation.h"
#include "sprite/User.h"

#include "user_helpers.h"

#include <sys/stat.h>

using sprite::SettingsLocation;

namespace {

// Sets environment variables for one test and puts the old values back afterwards.
class ScopedEnvironment {
public:
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : saved) {
            if (value.second)
                setenv(name.c_str(), value.first.c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    void set(const char* name, const char* value)
    {
        if (!saved.count(name)) {
            const char* old = std::getenv(name);
            saved[name] = {old ? old : "", old != nullptr};
        }
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }

private:
    std::map<std::string, std::pair<std::string, bool>> saved;
};

bool isFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

using SettingsLocationTest = SettingsFolderTest;

TEST_F(SettingsLocationTest, TheFolderFollowsTheEnvironment)
{
    ScopedEnvironment environment;
    environment.set("HOME", "/home/ann");
    environment.set("XDG_DATA_HOME", "/data/ann");
    EXPECT_EQ(SettingsLocation::of("Kipto2").folder, folder);
    environment.set("KIPTO2_HOME", "");
    EXPECT_EQ(SettingsLocation::of("Kipto2").folder, "/data/ann/Corvalen");
    environment.set("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(SettingsLocation::of("Kipto2").folder, "/home/ann/.local/share/Corvalen");
    environment.set("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(SettingsLocation::of("Kipto2").folder, "/home/ann/.local/share/Corvalen");
    environment.set("HOME", nullptr);
    EXPECT_EQ(SettingsLocation::of("Kipto2").folder, "");
}

TEST_F(SettingsLocationTest, TheFirstNameOfThePathNamesTheFile)
{
    const struct {
        const char* registryName;
        const char* stem;
        const char* rootKey;
    } cases[] = {
        {"Kipto2", "Kipto2", ""},
        {"Kipto\\Bob", "Kipto", "Bob"},
        {"Kipto\\Bob\\Deep", "Kipto", "Bob\\Deep"},
        {"\\\\Kipto2\\", "Kipto2", ""},
        {"a/b", "a_b", ""},
        {"..", "_", ""},
        {"", "Corvalen", ""},
        {"Zo\xe9", "Zo\xc3\xa9", ""},
    };
    for (const auto& c : cases) {
        SettingsLocation location = SettingsLocation::of(c.registryName);
        EXPECT_EQ(location.fileStem, c.stem) << c.registryName;
        EXPECT_STREQ(location.rootKey.c_str(), c.rootKey) << c.registryName;
    }
}

TEST_F(SettingsLocationTest, FoldersAreMadeWithTheirParents)
{
    EXPECT_TRUE(sprite::makeFolders(folder + "/a/b/c"));
    EXPECT_TRUE(isFolder(folder + "/a/b/c"));
    EXPECT_TRUE(sprite::makeFolders(folder + "/a/b/c"));
    std::ofstream(folder + "/file") << "x";
    EXPECT_FALSE(sprite::makeFolders(folder + "/file"));
    EXPECT_FALSE(sprite::makeFolders(folder + "/file/below"));
}

TEST_F(SettingsLocationTest, TheStoreIsCreatedInTheDataFolder)
{
    ScopedEnvironment environment;
    environment.set("KIPTO2_HOME", nullptr);
    environment.set("XDG_DATA_HOME", (folder + "/data").c_str());
    {
        sprite::User user;
        user.open("Kipto2");
        user.setInt("HERE", 1);
        EXPECT_TRUE(user.isPersistent());
    }
    struct stat info {};
    EXPECT_EQ(stat((folder + "/data/Corvalen/Kipto2.sqlite").c_str(), &info), 0);
}

} // namespace
