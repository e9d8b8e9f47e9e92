#include "io/StreamTokenizer.h"

#include "lang/Cp1252.h"

#include <cstring>

namespace io {

namespace {

const char ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr uint32_t ByteOrderMarkCodePoint = 0xFEFF;

bool isHexLetter(int c)
{
    return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int hexLetterValue(int c)
{
    return c >= 'a' ? c - 'a' + 10 : c - 'A' + 10;
}

} // namespace

StreamTokenizer::StreamTokenizer(InputStream* source) : source(lang::retain(source))
{
    std::memset(charType, CT_WORD, sizeof charType);
    std::memset(charType, CT_BLANK, 33);
    setType('\n', CT_EOL);
}

void StreamTokenizer::setType(int c, uint8_t kind)
{
    if (c >= 0 && c < 256)
        charType[c] = kind;
}

void StreamTokenizer::parseNumbers()
{
    for (int c = '0'; c <= '9'; ++c)
        setType(c, CT_NUMBER);
    setType('-', CT_NUMBER);
    setType('.', CT_NUMBER);
}

void StreamTokenizer::commentChar(int c)
{
    setType(c, CT_COMMENT);
}

void StreamTokenizer::quoteChar(int c)
{
    setType(c, CT_QUOTE);
}

void StreamTokenizer::wordChars(int low, int high)
{
    for (int c = low < 0 ? 0 : low; c <= high && c < 256; ++c)
        setType(c, CT_WORD);
}

void StreamTokenizer::ordinaryChar(int c)
{
    setType(c, CT_ORDINARY);
}

void StreamTokenizer::eolIsSignificant(bool significant)
{
    eolSignificant = significant;
}

void StreamTokenizer::setEncoding(int32_t value)
{
    encoding = value;
}

void StreamTokenizer::pushBack()
{
    pushedBack = true;
}

int StreamTokenizer::readChar()
{
    for (;;) {
        const int c = source->read();
        if (c < 0x80 || encoding != UTF8)
            return c;
        const int decoded = decodeUtf8(c);
        if (decoded != static_cast<int>(ByteOrderMarkCodePoint))
            return decoded;
    }
}

int StreamTokenizer::decodeUtf8(int lead)
{
    // The lead byte says how many continuation bytes follow; each adds its low six bits.
    int continuations = 3;
    uint32_t codePoint = static_cast<uint32_t>(lead) & 0x07;
    if ((lead & 0xE0) == 0xC0) {
        continuations = 1;
        codePoint = static_cast<uint32_t>(lead) & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        continuations = 2;
        codePoint = static_cast<uint32_t>(lead) & 0x0F;
    }
    for (int i = 0; i < continuations; ++i) {
        const int next = source->read();
        if (next < 0)
            return -1;
        codePoint = (codePoint << 6) | (static_cast<uint32_t>(next) & 0x3F);
    }
    if (codePoint == ByteOrderMarkCodePoint)
        return static_cast<int>(codePoint);
    // Texts are Windows-1252. A character it lacks becomes "?", a word character (a "." would
    // start a number), rather than ending the text.
    const int converted = lang::unicodeToCp1252(codePoint);
    return converted >= 0 ? converted : '?';
}

int32_t StreamTokenizer::nextToken()
{
    if (pushedBack) {
        pushedBack = false;
        return type;
    }
    do {
        type = scanToken();
    } while (!stripByteOrderMark(type));
    return type;
}

int32_t StreamTokenizer::scanToken()
{
    int c = lookAhead >= 0 ? lookAhead : readChar();
    lookAhead = -1;
    // Pass blanks, comments and (unless they are tokens) ends of lines.
    for (;;) {
        if (c < 0)
            return TT_EOF;
        const uint8_t kind = charType[c];
        if (kind == CT_BLANK) {
            c = readChar();
        } else if (kind == CT_COMMENT) {
            do
                c = readChar();
            while (c >= 0 && charType[c] != CT_EOL);
        } else if (kind == CT_EOL) {
            ++line;
            if (eolSignificant)
                return TT_EOL;
            c = readChar();
        } else {
            break;
        }
    }
    switch (charType[c]) {
    case CT_WORD:
        return readWord(c);
    case CT_NUMBER:
        return readNumber(c);
    case CT_QUOTE:
        return readQuoted();
    default:
        return c;
    }
}

int32_t StreamTokenizer::readWord(int c)
{
    text.assign(1, static_cast<char>(c));
    for (;;) {
        c = readChar();
        if (c < 0 || (charType[c] != CT_WORD && charType[c] != CT_NUMBER))
            break;
        text.push_back(static_cast<char>(c));
    }
    lookAhead = c;
    quoted = false;
    stringValue = lang::String(text.data(), 0, static_cast<int32_t>(text.size()));
    return TT_WORD;
}

int32_t StreamTokenizer::readNumber(int c)
{
    double value = 0.0;
    bool negative = false;
    bool hex = false;
    int digits = 0;
    int point = -1;
    for (;;) {
        if (c == '-') {
            negative = true;
        } else if (c == '.') {
            point = digits;
        } else if (c == 'x') {
            hex = true;
        } else {
            ++digits;
            if (!hex)
                value = value * 10 + (c - '0');
            else if (c >= '0' && c <= '9')
                value = value * 16 + (c - '0');
            else if (isHexLetter(c))
                value = value * 16 + hexLetterValue(c);
            else
                value = value * 16;
        }
        c = readChar();
        const bool continues = c >= 0
            && (charType[c] == CT_NUMBER || (c == 'x' && value == 0.0) || (hex && isHexLetter(c)));
        if (!continues)
            break;
    }
    lookAhead = c;
    if (point >= 0) {
        for (int i = point; i < digits; ++i)
            value /= 10;
    }
    numberValue = negative ? -value : value;
    return TT_NUMBER;
}

int32_t StreamTokenizer::readQuoted()
{
    text.clear();
    for (;;) {
        const int c = readChar();
        if (c < 0 || charType[c] == CT_QUOTE)
            break;
        if (charType[c] == CT_EOL)
            ++line;
        text.push_back(static_cast<char>(c));
    }
    // The closing quote is consumed: the next token starts after it.
    quoted = true;
    stringValue = lang::String(text.data(), 0, static_cast<int32_t>(text.size()));
    return TT_WORD;
}

bool StreamTokenizer::stripByteOrderMark(int32_t token)
{
    if (token != TT_WORD || firstWordSeen)
        return true;
    firstWordSeen = true;
    if (!stringValue.startsWith(ByteOrderMark))
        return true;
    byteOrderMark = true;
    stringValue = stringValue.substring(3);
    // A mark standing alone (before a blank, a comment or a quote) is no word of the text.
    return quoted || !stringValue.isEmpty();
}

lang::String StreamTokenizer::toString() const
{
    switch (type) {
    case TT_WORD:
        return stringValue;
    case TT_NUMBER:
        return lang::String(numberValue);
    case TT_EOL:
        return lang::String("EOL");
    case TT_EOF:
        return lang::String("EOF");
    default:
        return lang::String(static_cast<char>(type));
    }
}

bool StreamTokenizer::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "StreamTokenizer") == 0 || Object::isInstanceOf(className);
}

} // namespace io
