// Reads the tokens of a sprite table: words (quoted strings keep their spaces, "" is an empty
// word), numbers, and the end of the table. ";" comments to the end of the line, bytes 0 to 32
// separate tokens, and a token beginning with a digit, "-" or "." is a number. Texts are UTF-8
// and arrive as Windows-1252.
#pragma once

#include "io/StreamTokenizer.h"
#include "lang/Array.h"
#include "lang/Ref.h"

namespace sprite {

struct TableToken {
    enum Kind { Word, Number, End };

    Kind kind = End;
    // A word's text, or a number's text form.
    lang::String text;
    double number = 0.0;

    bool isEnd() const { return kind == End; }
    bool isNumber() const { return kind == Number; }
    // A word that begins with "<": a section header, or the end of a section.
    bool isHeaderLike() const { return kind == Word && text.startsWith("<"); }
    // The number truncated toward zero to 32 bits; values from 2^31 to 2^32 - 1 wrap, so that
    // colours may be written unsigned.
    int32_t toInt() const;
};

class TableScanner {
public:
    // Adds a reference to the stream.
    explicit TableScanner(io::InputStream* stream);

    TableToken next();
    // The next call of next() gives the current token again.
    void pushBack();
    int32_t lineNumber() const { return tokenizer->lineNumber(); }

private:
    lang::Ref<io::StreamTokenizer> tokenizer;
    TableToken current;
    bool pushedBack = false;
};

// A counted list: a number n, then n texts or numbers (fewer when the table ends early). The
// array of texts owns them.
lang::Ref<lang::StringArray> readCountedTexts(TableScanner& in);
lang::Ref<lang::IntArray> readCountedNumbers(TableScanner& in);

} // namespace sprite
