#include "TableChecker.h"

#include "Png.h"
#include "SoundCheck.h"

#include "io/ByteArrayInputStream.h"
#include "io/StreamTokenizer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <vector>

namespace contentcheck {

struct TableChecker::Entry {
    std::string name;
    std::string classToken;
    std::vector<std::string> pictures;
    std::vector<int64_t> numbers;
    int line = 0;
};

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

bool isHeader(const std::string& word)
{
    static const char* headers[] = {"<images>", "<sounds>", "<data>", "<strings>", "<sprites>", "<end>"};
    const std::string w = lower(word);
    return std::any_of(std::begin(headers), std::end(headers), [&](const char* h) { return w == h; });
}

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The tokenizer as the sprite table loader sets it up.
class Tokens {
public:
    explicit Tokens(const std::vector<uint8_t>& bytes)
        : stream_(lang::adopt(new io::ByteArrayInputStream(bytes.data(), int32_t(bytes.size())))),
          tokenizer_(lang::adopt(new io::StreamTokenizer(stream_.get())))
    {
        tokenizer_->commentChar(';');
        tokenizer_->quoteChar('"');
        tokenizer_->parseNumbers();
    }

    // False at the end. A number read as text gives its text form.
    bool next()
    {
        const int32_t type = tokenizer_->nextToken();
        if (type == io::StreamTokenizer::TT_EOF)
            return false;
        isNumber_ = type == io::StreamTokenizer::TT_NUMBER;
        number_ = tokenizer_->getNumberValue();
        text_ = isNumber_ ? numberText(number_) : std::string(tokenizer_->getStringValue().c_str());
        return true;
    }
    void pushBack() { tokenizer_->pushBack(); }
    bool isNumber() const { return isNumber_; }
    double number() const { return number_; }
    const std::string& text() const { return text_; }
    int line() const { return tokenizer_->lineNumber(); }

private:
    static std::string numberText(double v)
    {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%g", v);
        return buffer;
    }

    lang::Ref<io::ByteArrayInputStream> stream_;
    lang::Ref<io::StreamTokenizer> tokenizer_;
    bool isNumber_ = false;
    double number_ = 0;
    std::string text_;
};

} // namespace

void TableChecker::check(const std::string& tableItem, bool topLevel)
{
    if (!checkedTables_.insert(tableItem).second)
        return;
    const std::string source = package_.sourceOf(tableItem);
    const auto bytes = package_.item(tableItem);
    if (!bytes) {
        report_.error(source, 0, "the table \"" + tableItem + "\" is not in the package");
        return;
    }
    Tokens tokens(*bytes);
    std::string section;
    std::set<std::string> names;
    int dataCount = 0, soundCount = 0, stringCount = 0;
    while (tokens.next()) {
        const int line = tokens.line();
        if (!tokens.isNumber() && !tokens.text().empty() && tokens.text()[0] == '<') {
            if (!isHeader(tokens.text())) {
                report_.error(source, line, "unknown section " + tokens.text());
                section.clear();
                continue;
            }
            section = lower(tokens.text());
            if (section == "<end>")
                break;
            if (section == "<sounds>") soundCount = 0;
            if (section == "<data>") dataCount = 0;
            if (section == "<strings>") stringCount = 0;
            continue;
        }
        if (section == "<images>") {
            const std::string name = tokens.text();
            if (endsWith(name, ".bin"))
                continue; // a bundle on disk: written and checked by the bundle tool
            if (!tokens.next()) {
                report_.error(source, line, "picture " + name + " has no spec");
                break;
            }
            const std::string spec = tokens.text();
            if (spec.size() > 1 && (spec[0] == '+' || spec[0] == '@'))
                checkPicture(spec.substr(1), source, line);
            else
                report_.error(source, line, "picture " + name + " comes from a disk file (" + spec + "); the package must hold it");
        } else if (section == "<sounds>") {
            if (tokens.text().size() > 2) {
                checkSound(tokens.text(), source, line);
                ++soundCount;
            }
        } else if (section == "<strings>") {
            ++stringCount;
        } else if (section == "<data>") {
            if (!tokens.isNumber()) {
                section.clear();
                tokens.pushBack();
                continue;
            }
            if (++dataCount > 500)
                report_.error(source, line, "more than 500 <data> numbers end the table");
        } else if (section == "<sprites>") {
            Entry entry;
            entry.line = line;
            entry.name = tokens.text();
            if (!tokens.next()) {
                report_.error(source, line, "sprite " + entry.name + " has no class");
                break;
            }
            entry.classToken = tokens.text();
            bool more = true;
            while ((more = tokens.next()) && !tokens.isNumber()) {
                if (!tokens.text().empty() && tokens.text()[0] == '<') {
                    report_.error(source, entry.line, "sprite " + entry.name + " has no numbers, so the loader reads " + tokens.text() + " as a picture");
                    break;
                }
                entry.pictures.push_back(tokens.text());
            }
            while (more && tokens.isNumber()) {
                entry.numbers.push_back(int64_t(std::trunc(tokens.number())));
                more = tokens.next();
            }
            if (more)
                tokens.pushBack();
            if (!entry.name.empty() && !names.insert(entry.name).second)
                report_.error(source, entry.line, "duplicate sprite name " + entry.name);
            if (!entry.name.empty())
                facts_.sprites.insert(entry.name);
            checkEntry(entry, source);
        } else {
            report_.error(source, line, "\"" + tokens.text() + "\" stands outside every section");
        }
    }
    if (topLevel) {
        facts_.sounds = soundCount;
        facts_.data = dataCount;
        facts_.strings = stringCount;
    }
}

void TableChecker::checkEntry(const Entry& entry, const std::string& source)
{
    const size_t colon = entry.classToken.find(':');
    const std::string className = entry.classToken.substr(0, colon);
    const std::string subTable = colon == std::string::npos ? "" : entry.classToken.substr(colon + 1);
    const ClassRule* rule = rules_.find(className);
    const std::string what = "sprite " + (entry.name.empty() ? std::string("\"\"") : entry.name);
    if (!rule) {
        report_.error(source, entry.line, what + ": class " + className + " is not registered for tables");
        return;
    }
    const int numbers = int(entry.numbers.size()), pictures = int(entry.pictures.size());
    if (numbers < rule->minNumbers || numbers > rule->maxNumbers)
        report_.error(source, entry.line, what + ": " + className + " takes " + std::to_string(rule->minNumbers) + " to "
                                              + std::to_string(rule->maxNumbers) + " numbers, not " + std::to_string(numbers));
    if (pictures < rule->minPictures || pictures > rule->maxPictures)
        report_.error(source, entry.line, what + ": " + className + " takes " + std::to_string(rule->minPictures) + " to "
                                              + std::to_string(rule->maxPictures) + " pictures, not " + std::to_string(pictures));
    if (rule->font) {
        for (size_t i = 0; i + 1 < entry.pictures.size(); i += 2)
            checkFont(entry.pictures[i], entry.pictures[i + 1], source, entry.line);
    } else if (rule->sheet && pictures >= 1 && numbers >= 4) {
        int width = 0, height = 0;
        checkPicture(entry.pictures[0], source, entry.line, &width, &height);
        const int64_t columns = std::max<int64_t>(1, entry.numbers[2]), rows = std::max<int64_t>(1, entry.numbers[3]);
        if (width > 0 && (width % columns != 0 || height % rows != 0))
            report_.error(source, entry.line, what + ": picture " + entry.pictures[0] + " (" + std::to_string(width) + "x"
                                                  + std::to_string(height) + ") does not split into " + std::to_string(columns)
                                                  + "x" + std::to_string(rows) + " cells");
        for (size_t i = 1; i < entry.pictures.size(); ++i)
            checkPicture(entry.pictures[i], source, entry.line);
    } else {
        for (const std::string& picture : entry.pictures)
            if (!picture.empty())
                checkPicture(picture, source, entry.line);
    }
    if (!subTable.empty()) {
        if (!rule->container)
            report_.error(source, entry.line, what + ": " + className + " is no container, so its sub-table " + subTable + " is never read");
        else if (subTable[0] != '+')
            report_.error(source, entry.line, what + ": sub-table " + subTable + " is a disk file; the package must hold it");
        else
            check(subTable.substr(1), false);
    }
}

void TableChecker::checkPicture(const std::string& name, const std::string& source, int line, int* width, int* height,
                                std::vector<uint8_t>* rgba)
{
    const auto bytes = package_.item(name);
    if (!bytes) {
        report_.error(source, line, "picture " + name + " is not in the package");
        return;
    }
    int w = 0, h = 0;
    std::vector<uint8_t> pixels;
    if (!contentgen::decodePng(*bytes, w, h, pixels)) {
        report_.error(source, line, "picture " + name + " does not decode as PNG");
        return;
    }
    if (width) *width = w;
    if (height) *height = h;
    if (rgba) *rgba = std::move(pixels);
}

void TableChecker::checkSound(const std::string& token, const std::string& source, int line)
{
    const std::string name = token[0] == '*' ? token.substr(1) : token;
    if (name.empty() || name[0] != '+') {
        report_.error(source, line, "sound " + token + " is a disk file; the package must hold it");
        return;
    }
    const auto bytes = package_.item(name.substr(1));
    if (!bytes) {
        report_.error(source, line, "sound " + name + " is not in the package");
        return;
    }
    const bool module = endsWith(name, ".s3m") || endsWith(name, ".mod") || endsWith(name, ".xm");
    if (!module && !contentgen::measureSound(*bytes).decoded)
        report_.error(source, line, "sound " + name + " does not decode as WAV or Ogg Vorbis");
}

void TableChecker::checkFont(const std::string& sheet, const std::string& metrics, const std::string& source, int line)
{
    int sheetW = 0, sheetH = 0, metricsW = 0, metricsH = 0;
    std::vector<uint8_t> table;
    checkPicture(sheet, source, line, &sheetW, &sheetH);
    checkPicture(metrics, source, line, &metricsW, &metricsH, &table);
    if (sheetW == 0 || metricsW == 0)
        return;
    if (metricsW * metricsH < 256 * 6) {
        report_.error(source, line, "font metrics " + metrics + " hold fewer than 256 x 6 numbers");
        return;
    }
    for (int glyph = 0; glyph < 256; ++glyph) {
        int32_t v[6];
        for (int k = 0; k < 6; ++k) {
            const uint8_t* p = &table[size_t(glyph * 6 + k) * 4];
            v[k] = int32_t(uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
        }
        if (v[0] < 0 || v[1] < 0 || v[2] < 0 || v[3] < 0 || v[0] + v[2] > sheetW || v[1] + v[3] > sheetH) {
            report_.error(source, line, "font " + sheet + ": glyph of code " + std::to_string(glyph + 32) + " lies outside the glyph sheet");
            return;
        }
    }
}

} // namespace contentcheck
