// A temporary settings folder for the tests of the user settings store: KIPTO2_HOME points at it
// while the fixture lives.
#pragma once

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("KIPTO2_HOME", folder.c_str(), 1); }
    void TearDown() override { unsetenv("KIPTO2_HOME"); }

    std::string fileOf(const char* registryName) const { return folder + "/" + registryName + ".sqlite"; }

    testing_support::TempFolder home;
    const std::string folder = home.path;
};
