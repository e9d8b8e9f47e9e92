// The settings store on a full disk, made by a SQLite file system that fails every write once it
// is told the disk is full: a save says it failed, the save before it stays readable, and the
// store goes on working once there is room again.
#include "sprite/User.h"

#include "support/FaultyVfs.h"
#include "user_helpers.h"

#include <cstring>

using sprite::User;
using testing_support::installFaultyVfs;
using testing_support::setDiskFull;

namespace {

lang::ByteArray recordOf(int32_t generation)
{
    lang::ByteArray bytes(9734);
    for (int32_t i = 0; i < bytes.length(); i++)
        bytes[i] = static_cast<uint8_t>(generation * 13 + i);
    return bytes;
}

bool sameBytes(const lang::ByteArray& a, const lang::ByteArray& b)
{
    return a.length() == b.length() && std::memcmp(a.data(), b.data(), size_t(a.length())) == 0;
}

class UserDiskFull : public SettingsFolderTest {
protected:
    void SetUp() override
    {
        SettingsFolderTest::SetUp();
        installFaultyVfs();
    }
    void TearDown() override
    {
        setDiskFull(false);
        SettingsFolderTest::TearDown();
    }
};

TEST_F(UserDiskFull, ASaveOnAFullDiskFailsAndTheSaveBeforeStays)
{
    auto user = lang::adopt(new User());
    user->open("Kipto2");
    ASSERT_TRUE(user->writeChunked("Bob\\userdata", recordOf(1)));
    user->setInt("LEVEL", 1);

    setDiskFull(true);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(user->writeChunked("Bob\\userdata", recordOf(2)));
    user->setInt("LEVEL", 2);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("full"), std::string::npos) << errors;
    EXPECT_TRUE(user->isWriteFailing());
    EXPECT_EQ(user->getWriteFailureRuns(), 1) << "two failed writes in a row are one run";

    // The game reads on: the save before is whole, in this run and from the file.
    lang::ByteArray stored;
    ASSERT_TRUE(user->readChunked("Bob\\userdata", stored));
    EXPECT_TRUE(sameBytes(stored, recordOf(1)));
    EXPECT_EQ(user->getInt("LEVEL", 0), 1);

    setDiskFull(false);
    EXPECT_TRUE(user->writeChunked("Bob\\userdata", recordOf(3)));
    EXPECT_FALSE(user->isWriteFailing());
    user.reset();
    auto again = lang::adopt(new User());
    again->open("Kipto2");
    ASSERT_TRUE(again->readChunked("Bob\\userdata", stored));
    EXPECT_TRUE(sameBytes(stored, recordOf(3)));
}

TEST_F(UserDiskFull, AStoreClosedOnAFullDiskKeepsItsFileAndSafetyCopy)
{
    auto user = lang::adopt(new User());
    user->open("Kipto2");
    ASSERT_TRUE(user->writeChunked("Bob\\userdata", recordOf(1)));
    setDiskFull(true);
    testing::internal::CaptureStderr();
    user->writeChunked("Bob\\userdata", recordOf(2));
    // Closing writes the safety copy, which fails too.
    user.reset();
    testing::internal::GetCapturedStderr();
    setDiskFull(false);

    auto again = lang::adopt(new User());
    again->open("Kipto2");
    EXPECT_TRUE(again->getTrouble().isEmpty());
    lang::ByteArray stored;
    ASSERT_TRUE(again->readChunked("Bob\\userdata", stored));
    EXPECT_TRUE(sameBytes(stored, recordOf(1)));
}

} // namespace
