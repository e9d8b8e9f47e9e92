// kipto2-package: writes a resource package from files, lists one, extracts an item.
#include "PackageWriter.h"

#include "io/FileInputStream.h"
#include "lang/Exception.h"
#include "lang/PackageDirectory.h"
#include "lang/Ref.h"
#include "lang/ResourceFileHeader.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

const char Usage[] =
    "usage:\n"
    "  kipto2-package create OUT.bin ITEM...   write a package holding the ITEMs, in order\n"
    "  kipto2-package list PKG                 print each directory entry: offset size name\n"
    "  kipto2-package extract PKG NAME OUT     write the item NAME of PKG to the file OUT\n"
    "  kipto2-package --help                   print this text\n"
    "\n"
    "ITEM is one of:\n"
    "  NAME=FILE          the bytes of FILE as the item NAME (NAME ends at the first '=')\n"
    "  --text NAME=FILE   the bytes of FILE and a terminating zero byte: a text item\n"
    "  --dir FOLDER       every file under FOLDER, named by its path relative to FOLDER with\n"
    "                     '/' between folders, sorted by name\n"
    "  @LIST              the ITEMs written in the file LIST, one per line\n"
    "\n"
    "Item names have 1 to 255 bytes and are case-sensitive. A name given twice is stored twice;\n"
    "the game finds the later one. The package's first word and header block are zero/empty, so\n"
    "the same ITEMs always give the same bytes. list marks entries whose bytes lie outside the\n"
    "file; extract finds items as the game does. Exit status: 0 done, 1 failed, 2 bad usage.\n";

int usageError(const std::string& message)
{
    std::fprintf(stderr, "kipto2-package: %s\n\n%s", message.c_str(), Usage);
    return 2;
}

int failure(const std::string& message)
{
    std::fprintf(stderr, "kipto2-package: %s\n", message.c_str());
    return 1;
}

// Expands @LIST arguments into the arguments they hold.
bool expandLists(const std::vector<std::string>& given, std::vector<std::string>& expanded, std::string& error)
{
    for (const std::string& argument : given) {
        if (argument.size() < 2 || argument[0] != '@') {
            expanded.push_back(argument);
            continue;
        }
        std::ifstream list(argument.substr(1));
        if (!list) {
            error = "cannot read list " + argument.substr(1);
            return false;
        }
        for (std::string line; std::getline(list, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty())
                expanded.push_back(line);
        }
    }
    return true;
}

bool addPair(PackageWriter& writer, const std::string& pair, bool asText, std::string& error)
{
    const size_t equals = pair.find('=');
    if (equals == std::string::npos) {
        error = "expected NAME=FILE, got \"" + pair + "\"";
        return false;
    }
    const std::string file = pair.substr(equals + 1);
    std::vector<uint8_t> bytes;
    if (!readWholeFile(file, bytes)) {
        error = "cannot read " + file;
        return false;
    }
    if (asText)
        bytes.push_back(0);
    return writer.add(pair.substr(0, equals), std::move(bytes), error);
}

int create(const std::string& out, const std::vector<std::string>& given)
{
    std::vector<std::string> arguments;
    std::string error;
    if (!expandLists(given, arguments, error))
        return failure(error);
    PackageWriter writer;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool takesValue = argument == "--text" || argument == "--dir";
        if (takesValue && i + 1 == arguments.size())
            return usageError(argument + " needs a value");
        bool added;
        if (argument == "--dir")
            added = writer.addFolder(arguments[++i], error);
        else if (argument == "--text")
            added = addPair(writer, arguments[++i], true, error);
        else if (argument.rfind("--", 0) == 0)
            return usageError("unknown option " + argument);
        else
            added = addPair(writer, argument, false, error);
        if (!added)
            return failure(error);
    }
    return writer.write(out, error) ? 0 : failure(error);
}

int list(const std::string& package)
{
    lang::Ref<io::FileInputStream> file = lang::adopt(new io::FileInputStream(package.c_str()));
    const int64_t size = file->size();
    lang::PackageDirectory directory;
    if (!lang::readPackageDirectory(*file, size, directory))
        return failure(package + " is not a package");
    for (const lang::PackageEntry& entry : directory.entries) {
        std::printf("%10u %10u %s%s\n", entry.offset, entry.size, entry.name.c_str(),
                    entry.fitsIn(size) ? "" : "   (outside the file: not found by the game)");
    }
    return 0;
}

int extract(const std::string& package, const std::string& name, const std::string& out)
{
    lang::Ref<lang::ResourceFileHeader> header = lang::adopt(new lang::ResourceFileHeader(lang::String(package.c_str())));
    lang::Ref<lang::ResourceItem> item = lang::adopt(header->getItem(lang::String(name.c_str()), false));
    if (!item)
        return failure("no item \"" + name + "\" in " + package);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(item->getData()), item->getSize());
    if (!file.flush())
        return failure("cannot write " + out);
    return 0;
}

int run(const std::vector<std::string>& args)
{
    if (args.empty())
        return usageError("no command");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == "create" && args.size() >= 2)
        return create(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    if (command == "list" && args.size() == 2)
        return list(args[1]);
    if (command == "extract" && args.size() == 4)
        return extract(args[1], args[2], args[3]);
    return usageError("bad command line");
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (lang::Exception* e) {
        const std::string message = e->getMessage().c_str();
        e->release();
        return failure(message);
    }
}
