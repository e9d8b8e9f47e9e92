// A temporary settings folder for the tests of the user settings store: KIPTO2_HOME points at it
// while the fixture lives.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/kipto2-settings-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        setenv("KIPTO2_HOME", folder.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("KIPTO2_HOME");
        std::filesystem::remove_all(folder);
    }

    std::string fileOf(const char* registryName) const { return folder + "/" + registryName + ".sqlite"; }

    std::string folder;
};
