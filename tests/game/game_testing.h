// The game's canvas on small tables of the tests' own: a fresh folder per test holds the
// settings, a package with the texts and the button sheet the tables name, and the tables
// themselves. The canvas loads on the test's thread and takes its input without threads.
#pragma once

#include "game/Kipto2Canvas.h"
#include "sprite/sprite_test_support.h"
#include "sprite/User.h"
#include "window/Event.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace gametest {

constexpr const char* RegistryName = "KiptoTest";

// The profile list ("profiles.txt", its rows' names placed by <data> in the rows' middle),
// its confirmation page ("confirm.txt") and the name prompt ("prompt.txt").
constexpr const char* ProfilesTable = R"(
<sprites>
bprofilename1  RectButtonSprite  50 40 300 40
bprofilename2  RectButtonSprite  50 90 300 40
bprofilename3  RectButtonSprite  50 140 300 40
bprofilename4  RectButtonSprite  50 190 300 40
bprofilename5  RectButtonSprite  50 240 300 40
bsup           RectButtonSprite  360 40 30 30
bsdown         RectButtonSprite  360 250 30 30
accept         RectButtonSprite  20 340 100 40
delete         RectButtonSprite  150 340 100 40
new            RectButtonSprite  280 340 100 40
profilecancel  RectButtonSprite  20 290 100 30 1
ProfileConfirm DialogSprite:confirm.txt 50 100 300 200 1 0
<data>
200 60 200 110 200 160 200 210 200 260
<end>
)";

constexpr const char* ConfirmTable = R"(
<sprites>
deleteProfile  RectButtonSprite  20 120 100 40 1
cancelDelete   RectButtonSprite  180 120 100 40 1
<end>
)";

constexpr const char* PromptTable = R"(
<sprites>
name               TextSprite        200 80 1
bsubmitprofile     RectButtonSprite  40 130 120 40
bcanceladdprofile  RectButtonSprite  240 130 120 40 1
<end>
)";

class TestCanvas : public Kipto2Canvas {
public:
    void dispatch(window::Event* event)
    {
        input.setCurrentEvent(event);
        dispatchEvent();
        input.setCurrentEvent(nullptr);
    }
    void mouse(int32_t id, int32_t x, int32_t y)
    {
        dispatch(lang::adopt(new window::Event(id, x, y, 0, 0, 0)).get());
    }
    void click(int32_t x, int32_t y)
    {
        mouse(window::Event::MouseDown, x, y);
        mouse(window::Event::MouseUp, x, y);
    }
    void key(int32_t code)
    {
        dispatch(lang::adopt(new window::Event(window::Event::KeyDown, 0, 0, 0, code, 0)).get());
    }
    void type(const char* text)
    {
        for (const char* c = text; *c; ++c)
            key(static_cast<unsigned char>(*c));
    }
    void action(const char* name) { onAction(nullptr, name); }
    void steps(int32_t count)
    {
        for (int32_t i = 0; i < count; ++i)
            frameStep();
    }
    // The top-level sprite, or the child along "Dialog/child".
    sprite::SpriteBase* find(const std::string& path)
    {
        const size_t slash = path.find('/');
        sprite::SpriteBase* top = getSprite(path.substr(0, slash).c_str());
        if (slash == std::string::npos || !top || !top->isInstanceOf("DialogSprite"))
            return slash == std::string::npos ? top : nullptr;
        return static_cast<sprite::DialogSprite*>(top)->getChild(path.substr(slash + 1).c_str());
    }
    bool shown(const std::string& path)
    {
        sprite::SpriteBase* sprite = find(path);
        return sprite && sprite->isVisible();
    }
};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("KIPTO2_HOME", folder.path.c_str(), 1);
        const std::string sheet = spritetest::pngOf(40, 10, 0xFF336699u);
        writePackage({{"REGISTRYNAME", text(RegistryName)}, {"welcomemessage", text("Welcome")},
            {"SUText14", text("Blitz is open")}, {"sheet", sheet}});
    }
    void TearDown() override
    {
        if (canvas)
            canvas->shutdown();
        canvas.reset();
        lang::ResourceFile::closeAll();
        unsetenv("KIPTO2_HOME");
    }

    static std::string text(const char* value) { return std::string(value) + '\0'; }
    void writePackage(const std::vector<testing_support::Item>& items)
    {
        lang::ResourceFile::closeAll();
        testing_support::writeFile(folder.file("test.bin"), testing_support::packageBytes(items));
        lang::ResourceFile::add(folder.file("test.bin").c_str());
    }
    void writeTable(const std::string& name, const std::string& body)
    {
        testing_support::writeFile(folder.file(name), body);
    }
    void writeProfileTables()
    {
        writeTable("profiles.txt", ProfilesTable);
        writeTable("confirm.txt", ConfirmTable);
        writeTable("prompt.txt", PromptTable);
    }
    lang::Ref<sprite::User> openSettings()
    {
        lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
        settings->open(RegistryName);
        return settings;
    }
    // Starts the canvas on the top-level table "game.dat" as the start-up does, without threads.
    TestCanvas& startCanvas()
    {
        if (canvas)
            canvas->shutdown();
        canvas = lang::adopt(new TestCanvas);
        lang::Ref<sprite::User> settings = openSettings();
        canvas->setup(folder.path.c_str(), settings.get(), "game.dat", -1);
        canvas->beforeLoading();
        EXPECT_TRUE(canvas->loadData());
        return *canvas;
    }

    spritetest::TempFolder folder;
    lang::Ref<TestCanvas> canvas;
};

} // namespace gametest
