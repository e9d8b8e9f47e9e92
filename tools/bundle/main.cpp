// kipto2-bundle: writes an image bundle from picture files, or lists and extracts one.
#include "BundleWriter.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char Usage[] =
    "usage:\n"
    "  kipto2-bundle create OUT.bin NAME=FILE...   write a bundle of the pictures, in order\n"
    "  kipto2-bundle list BUNDLE.bin                print each picture: size name\n"
    "  kipto2-bundle extract BUNDLE.bin NAME OUT    write the picture NAME to the file OUT\n"
    "\n"
    "A sprite table names a bundle in its <images> section by a file name ending in \".bin\";\n"
    "its pictures are then known by their NAMEs. Exit status: 0 done, 1 failed, 2 bad usage.\n";

bool readFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

int failure(const std::string& message)
{
    std::fprintf(stderr, "kipto2-bundle: %s\n", message.c_str());
    return 1;
}

int create(int argc, char** argv)
{
    std::vector<BundleEntry> entries;
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        const size_t equals = argument.find('=');
        if (equals == std::string::npos || equals == 0) {
            std::fprintf(stderr, "kipto2-bundle: not NAME=FILE: %s\n\n%s", argument.c_str(), Usage);
            return 2;
        }
        BundleEntry entry;
        entry.name = argument.substr(0, equals);
        if (!readFile(argument.substr(equals + 1), entry.bytes))
            return failure("cannot read " + argument.substr(equals + 1));
        entries.push_back(std::move(entry));
    }
    std::vector<uint8_t> bundle;
    std::string error;
    if (!writeBundle(entries, bundle, error))
        return failure(error);
    if (!writeFile(argv[2], bundle))
        return failure(std::string("cannot write ") + argv[2]);
    return 0;
}

int listOrExtract(const std::string& path, const char* wanted, const char* outPath)
{
    std::vector<uint8_t> bytes;
    if (!readFile(path, bytes))
        return failure("cannot read " + path);
    std::vector<BundleEntry> entries;
    std::string error;
    if (!readBundle(bytes, entries, error))
        return failure(path + ": " + error);
    for (const BundleEntry& entry : entries) {
        if (!wanted)
            std::printf("%zu %s\n", entry.bytes.size(), entry.name.c_str());
        else if (entry.name == wanted)
            return writeFile(outPath, entry.bytes) ? 0 : failure(std::string("cannot write ") + outPath);
    }
    return wanted ? failure(std::string("no picture named ") + wanted) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "create" && argc >= 4)
        return create(argc, argv);
    if (verb == "list" && argc == 3)
        return listOrExtract(argv[2], nullptr, nullptr);
    if (verb == "extract" && argc == 5)
        return listOrExtract(argv[2], argv[3], argv[4]);
    if (verb == "--help") {
        std::fputs(Usage, stdout);
        return 0;
    }
    std::fputs(Usage, stderr);
    return 2;
}
