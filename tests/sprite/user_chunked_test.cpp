#include "sprite/User.h"

#include "user_helpers.h"

using sprite::User;

namespace {

lang::ByteArray patternOf(int32_t length, uint8_t seed)
{
    lang::ByteArray bytes(length);
    for (int32_t i = 0; i < length; i++)
        bytes[i] = static_cast<uint8_t>(seed + i * 7 + i / 251);
    return bytes;
}

bool sameBytes(const lang::ByteArray& a, const lang::ByteArray& b)
{
    return a.length() == b.length() && std::equal(a.data(), a.data() + a.length(), b.data());
}

int32_t chunkLength(User& user, const char* path)
{
    lang::ByteArray chunk;
    return user.getBinary(path, chunk) ? chunk.length() : -1;
}

class UserChunked : public SettingsFolderTest {
protected:
    void SetUp() override
    {
        SettingsFolderTest::SetUp();
        user = lang::adopt(new User());
        user->open("Kipto2");
    }
    void TearDown() override
    {
        user.reset();
        SettingsFolderTest::TearDown();
    }

    lang::Ref<User> user;
};

TEST_F(UserChunked, A9734ByteValueIsStoredAsThreeChunks)
{
    lang::ByteArray saved = patternOf(9734, 1);
    user->writeChunked("Bob\\userdata", saved);
    EXPECT_EQ(chunkLength(*user, "Bob\\userdata\\0"), 4096);
    EXPECT_EQ(chunkLength(*user, "Bob\\userdata\\1"), 4096);
    EXPECT_EQ(chunkLength(*user, "Bob\\userdata\\2"), 1542);
    EXPECT_EQ(chunkLength(*user, "Bob\\userdata\\3"), -1);
    lang::ByteArray loaded;
    ASSERT_TRUE(user->readChunked("Bob\\userdata", loaded));
    EXPECT_TRUE(sameBytes(saved, loaded));

    lang::ByteArray second;
    ASSERT_TRUE(user->getBinary("Bob\\userdata\\1", second));
    EXPECT_EQ(second[0], saved[4096]);
}

TEST_F(UserChunked, AShorterValueRemovesTheStaleChunks)
{
    user->writeChunked("Bob\\userdata", patternOf(9734, 1));
    lang::ByteArray shorter = patternOf(4097, 2);
    user->writeChunked("Bob\\userdata", shorter);
    EXPECT_EQ(chunkLength(*user, "Bob\\userdata\\1"), 1);
    EXPECT_EQ(chunkLength(*user, "Bob\\userdata\\2"), -1);
    lang::ByteArray loaded;
    ASSERT_TRUE(user->readChunked("Bob\\userdata", loaded));
    EXPECT_TRUE(sameBytes(shorter, loaded));

    // Growing again must not bring the old third chunk back.
    lang::ByteArray longer = patternOf(3 * 4096, 3);
    user->writeChunked("Bob\\userdata", longer);
    ASSERT_TRUE(user->readChunked("Bob\\userdata", loaded));
    EXPECT_TRUE(sameBytes(longer, loaded));
}

TEST_F(UserChunked, StaleChunksBeyondAGapAndOnlyNumberedValuesGo)
{
    user->writeChunked("P\\data", patternOf(6 * 4096, 4));
    user->deleteValue("P\\data\\3");
    user->setString("P\\data\\note", "kept");
    user->writeChunked("P\\data", patternOf(2 * 4096, 5));
    // A later, longer write would otherwise pick up the old chunks 4 and 5 again.
    EXPECT_EQ(chunkLength(*user, "P\\data\\4"), -1);
    EXPECT_EQ(chunkLength(*user, "P\\data\\5"), -1);
    EXPECT_STREQ(user->getString("P\\data\\note", "").c_str(), "kept");
}

TEST_F(UserChunked, ExactMultipleOfTheChunkSize)
{
    lang::ByteArray saved = patternOf(2 * 4096, 6);
    user->writeChunked("Q", saved);
    EXPECT_EQ(chunkLength(*user, "Q\\1"), 4096);
    EXPECT_EQ(chunkLength(*user, "Q\\2"), -1);
    lang::ByteArray loaded;
    ASSERT_TRUE(user->readChunked("Q", loaded));
    EXPECT_TRUE(sameBytes(saved, loaded));
}

TEST_F(UserChunked, AnEmptyValueLeavesNoChunks)
{
    user->writeChunked("Bob\\userdata", patternOf(100, 7));
    user->writeChunked("Bob\\userdata", lang::ByteArray());
    lang::ByteArray loaded(5);
    EXPECT_FALSE(user->readChunked("Bob\\userdata", loaded));
    EXPECT_EQ(loaded.length(), 5);
}

TEST_F(UserChunked, ReadingAPlainValueIsNotAChunkedRead)
{
    user->setBinary("Bob\\userdata", patternOf(10, 8));
    lang::ByteArray loaded;
    EXPECT_FALSE(user->readChunked("Bob\\userdata", loaded));
    EXPECT_TRUE(user->getBinary("Bob\\userdata", loaded));
    EXPECT_EQ(loaded.length(), 10);
}

TEST_F(UserChunked, ChunksSurviveReopening)
{
    lang::ByteArray saved = patternOf(9734, 9);
    user->writeChunked("Bob\\userdata", saved);
    user = lang::adopt(new User());
    user->open("Kipto2");
    lang::ByteArray loaded;
    ASSERT_TRUE(user->readChunked("Bob\\userdata", loaded));
    EXPECT_TRUE(sameBytes(saved, loaded));
}

} // namespace
