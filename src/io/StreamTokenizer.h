// Splits a byte stream into words, numbers, quoted strings, ends of lines and single
// characters, driven by a table that gives every byte a type. The front end of the sprite table
// reader.
//
// By default the bytes 0 to 32 are blanks, every other byte is a word character, and the line
// feed ends a line: it ends comments and counts lines, and it is a token of its own only when
// ends of lines are significant. A comment start met where a token could begin comments out the
// rest of its line, wherever it stands.
#pragma once

#include "io/InputStream.h"
#include "lang/Ref.h"
#include "lang/String.h"

#include <string>

namespace io {

class StreamTokenizer : public lang::Object {
public:
    // Token types returned by nextToken; 0 to 255 is an ordinary character.
    static constexpr int32_t TT_WORD = -4; // a word or quoted string: see getStringValue
    static constexpr int32_t TT_NUMBER = -3; // see getNumberValue
    static constexpr int32_t TT_EOL = -2;
    static constexpr int32_t TT_EOF = -1;

    // Character types of the table.
    static constexpr uint8_t CT_WORD = 0;
    static constexpr uint8_t CT_BLANK = 1;
    static constexpr uint8_t CT_NUMBER = 2;
    static constexpr uint8_t CT_COMMENT = 3;
    static constexpr uint8_t CT_ORDINARY = 4;
    static constexpr uint8_t CT_EOL = 5;
    static constexpr uint8_t CT_QUOTE = 6;

    // The encoding value that makes the tokenizer decode UTF-8.
    static constexpr int32_t UTF8 = 8;

    // Adds a reference to the source, held until the tokenizer is destroyed.
    explicit StreamTokenizer(InputStream* source);

    // "-", "." and the digits become number characters.
    void parseNumbers();
    void commentChar(int c);
    void quoteChar(int c);
    void wordChars(int low, int high);
    // c becomes a token by itself.
    void ordinaryChar(int c);
    void eolIsSignificant(bool significant);
    // With UTF8 the source is decoded, characters outside Windows-1252 becoming "?"; any other
    // value takes its bytes as they are.
    void setEncoding(int32_t encoding);

    // The next nextToken returns the current token again.
    void pushBack();
    // The type of the next token (TT_... or an ordinary character); TT_EOF at the end, for good.
    int32_t nextToken();

    int32_t getType() const { return type; }
    const lang::String& getStringValue() const { return stringValue; }
    double getNumberValue() const { return numberValue; }
    // 1 plus the line feeds passed so far.
    int32_t lineNumber() const { return line; }
    // True once the first word turned out to begin with a UTF-8 byte-order mark.
    bool hadByteOrderMark() const { return byteOrderMark; }

    lang::String toString() const override;
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "StreamTokenizer"; }

private:
    void setType(int c, uint8_t kind);
    // The next character, 0 to 255, or -1 at the end.
    int readChar();
    int decodeUtf8(int lead);
    int32_t scanToken();
    int32_t readWord(int c);
    int32_t readNumber(int c);
    int32_t readQuoted();
    // Removes a byte-order mark from the first word; false when nothing else was in it.
    bool stripByteOrderMark(int32_t token);

    bool eolSignificant = false;
    int32_t line = 1;
    uint8_t charType[256];
    bool pushedBack = false;
    int lookAhead = -1;
    lang::Ref<InputStream> source;
    int32_t encoding = 0;
    bool byteOrderMark = false;
    bool firstWordSeen = false;
    lang::String stringValue;
    double numberValue = 0.0;
    int32_t type = TT_EOF;
    std::string text; // the token being read
    bool quoted = false; // the current word was a quoted string
};

} // namespace io
