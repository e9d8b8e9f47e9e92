// Input streams, readers and the byte output stream.
#include "io/BufferedReader.h"
#include "io/ByteArrayInputStream.h"
#include "io/ByteArrayOutputStream.h"
#include "io/FileInputStream.h"
#include "io/InputStreamReader.h"
#include "lang/Exception.h"
#include "lang/Ref.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using lang::Ref;

namespace {

std::string exceptionMessage(const std::function<void()>& call)
{
    try {
        call();
    } catch (lang::Exception* e) {
        std::string message = e->getMessage().c_str();
        e->release();
        return message;
    }
    return "";
}

// A memory stream that counts how often it is closed.
class CountingStream : public io::ByteArrayInputStream {
public:
    CountingStream(const uint8_t* data, int32_t count, int* closes) : ByteArrayInputStream(data, count), closes(closes) {}
    void close() override { ++*closes; }

private:
    int* closes;
};

std::string pattern(int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<char>(i * 7 + i / 256));
    return bytes;
}

const uint8_t* bytesOf(const std::string& text)
{
    return reinterpret_cast<const uint8_t*>(text.data());
}

TEST(ByteArrayInputStreamTest, ReadsToTheEndAndNoFurther)
{
    const std::string text = "abc";
    io::ByteArrayInputStream stream(bytesOf(text), 3);
    uint8_t buffer[8] = {};
    EXPECT_EQ(stream.read(), 'a');
    EXPECT_EQ(stream.read(buffer, 2, 8), 2);
    EXPECT_EQ(buffer[2], 'b');
    EXPECT_EQ(buffer[3], 'c');
    EXPECT_EQ(stream.read(), -1);
    EXPECT_EQ(stream.read(buffer, 0, 8), 0);
    stream.reset();
    EXPECT_EQ(stream.skip(2), 2);
    EXPECT_EQ(stream.skip(10), 1);
    EXPECT_EQ(stream.skip(-5), -3);
    EXPECT_EQ(stream.read(), 'a');
    EXPECT_TRUE(stream.isInstanceOf("InputStream"));
}

class FileStreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() / ("kipto2-io-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "data.bin", std::ios::binary) << "0123456789";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
};

TEST_F(FileStreamTest, ReadsSkipsAndResets)
{
    Ref<io::FileInputStream> stream = lang::adopt(new io::FileInputStream((folder / "data.bin").string().c_str()));
    EXPECT_EQ(stream->read(), '0');
    EXPECT_EQ(stream->skip(3), 3);
    uint8_t buffer[16] = {};
    EXPECT_EQ(stream->read(buffer, 1, 16), 6);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer + 1), 6), "456789");
    EXPECT_EQ(stream->read(), -1);
    stream->reset();
    EXPECT_EQ(stream->read(), '0');
    EXPECT_EQ(stream->size(), 10);
    stream->close();
    EXPECT_EQ(stream->read(), -1);
    EXPECT_EQ(stream->read(buffer, 0, 4), 0);
}

TEST_F(FileStreamTest, DirectoryAndNameAreJoinedWithOneSlash)
{
    const lang::String directory(folder.string().c_str());
    Ref<io::FileInputStream> plain = lang::adopt(new io::FileInputStream(directory, lang::String("data.bin")));
    EXPECT_EQ(plain->read(), '0');
    Ref<io::FileInputStream> slashed = lang::adopt(new io::FileInputStream(directory + "/", lang::String("data.bin")));
    EXPECT_EQ(slashed->read(), '0');
}

TEST_F(FileStreamTest, OpeningFailuresNameThePath)
{
    const std::string missing = (folder / "missing.bin").string();
    EXPECT_EQ(exceptionMessage([&] { io::FileInputStream stream(missing.c_str()); }), "Error Opening " + missing);
    // The stream joins a folder and a name with "/" on every platform, and names what it opened.
    EXPECT_EQ(exceptionMessage([&] { io::FileInputStream stream(lang::String(folder.string().c_str()), lang::String("nope")); }),
              "Error Opening " + folder.string() + "/nope");
    EXPECT_EQ(exceptionMessage([] { io::FileInputStream stream(""); }), "Error Opening ");
}

TEST_F(FileStreamTest, ADirectoryIsAnErrorNotAnEmptyFile)
{
    // POSIX opens a directory and fails its reads; Windows fails the opening.
#ifdef _WIN32
    const std::string expected = "Error Opening " + folder.string();
#else
    const std::string expected = "File error";
#endif
    EXPECT_EQ(exceptionMessage([&] {
        Ref<io::FileInputStream> stream = lang::adopt(new io::FileInputStream(folder.string().c_str()));
        stream->read();
    }),
        expected);
}

TEST(ReaderTest, InputStreamReaderPassesThroughAndClosesItsStream)
{
    const std::string text = "hello";
    int closes = 0;
    Ref<CountingStream> stream = lang::adopt(new CountingStream(bytesOf(text), 5, &closes));
    {
        Ref<io::InputStreamReader> reader = lang::adopt(new io::InputStreamReader(stream.get()));
        EXPECT_EQ(stream->getRefCount(), 2);
        EXPECT_TRUE(reader->ready());
        EXPECT_EQ(reader->read(), 'h');
        EXPECT_EQ(reader->skip(1), 1);
        lang::ByteArray rest(8);
        EXPECT_EQ(reader->read(rest), 3);
        EXPECT_EQ(rest[0], 'l');
        reader->reset();
        EXPECT_EQ(reader->read(), 'h');
    }
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(stream->getRefCount(), 1);
}

TEST(ReaderTest, BufferedReaderRefillsAcrossItsBuffer)
{
    const std::string data = pattern(3000);
    int closes = 0;
    Ref<CountingStream> stream = lang::adopt(new CountingStream(bytesOf(data), 3000, &closes));
    Ref<io::InputStreamReader> inner = lang::adopt(new io::InputStreamReader(stream.get()));
    {
        Ref<io::BufferedReader> reader = lang::adopt(new io::BufferedReader(inner.get()));
        std::string seen;
        for (int c = reader->read(); c >= 0; c = reader->read())
            seen.push_back(static_cast<char>(c));
        EXPECT_EQ(seen, data);
        EXPECT_EQ(reader->read(), -1);

        reader->reset();
        uint8_t buffer[2000];
        EXPECT_EQ(reader->read(buffer, 0, 2000), 2000);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 2000), data.substr(0, 2000));
        EXPECT_EQ(reader->read(buffer, 0, 2000), 1000); // stops early at the end
    }
    EXPECT_EQ(closes, 1);
}

TEST(ReaderTest, BufferedReaderSkipsInsideAndBeyondItsBuffer)
{
    const std::string data = pattern(5000);
    Ref<io::ByteArrayInputStream> stream = lang::adopt(new io::ByteArrayInputStream(bytesOf(data), 5000));
    Ref<io::InputStreamReader> inner = lang::adopt(new io::InputStreamReader(stream.get()));
    Ref<io::BufferedReader> reader = lang::adopt(new io::BufferedReader(inner.get()));
    EXPECT_EQ(reader->read(), static_cast<uint8_t>(data[0])); // 1024 buffered, 1 used
    EXPECT_EQ(reader->skip(100), 100);                        // inside the buffer
    EXPECT_EQ(reader->read(), static_cast<uint8_t>(data[101]));
    EXPECT_EQ(reader->skip(2000), 2000);                      // 922 buffered, 1078 further on
    EXPECT_EQ(reader->read(), static_cast<uint8_t>(data[2102]));
    EXPECT_EQ(reader->skip(10000), 5000 - 2103);
    EXPECT_EQ(reader->read(), -1);
}

TEST(ByteArrayOutputStreamTest, StartsAt9736AndThenGrowsToExactlyTheCount)
{
    io::ByteArrayOutputStream out;
    EXPECT_EQ(out.getByteArray().length(), 9736);
    const std::string chunk(9735, 'a');
    out.write(bytesOf(chunk), 9735);
    EXPECT_EQ(out.getByteArray().length(), 9736);
    out.write('b');
    EXPECT_EQ(out.size(), 9736);
    EXPECT_EQ(out.getByteArray().length(), 9736);
    out.write('c');
    EXPECT_EQ(out.getByteArray().length(), 9737);
    out.write(lang::String("xyz"));
    EXPECT_EQ(out.getByteArray().length(), 9740);
    lang::ByteArray two(2);
    two[0] = 1;
    two[1] = 2;
    out.write(two);
    EXPECT_EQ(out.size(), 9742);
    EXPECT_EQ(out.getByteArray().length(), 9742);
    EXPECT_EQ(out.data()[9735], 'b');
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.data()) + 9736, 4), "cxyz");
    EXPECT_EQ(out.data()[9741], 2);
}

TEST(ByteArrayOutputStreamTest, WritingItsOwnBytesBackIsSafe)
{
    io::ByteArrayOutputStream out;
    const std::string start(9000, 'q');
    out.write(bytesOf(start), 9000);
    out.write(out.data(), out.size()); // grows while copying from itself
    EXPECT_EQ(out.size(), 18000);
    EXPECT_EQ(out.data()[17999], 'q');
}

} // namespace
