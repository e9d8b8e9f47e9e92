// Feeds arbitrary bytes to the stream tokenizer set up as the sprite table reader sets it up,
// in both encodings: every call must give a token or -1, and the end must come.
#include "io/ByteArrayInputStream.h"
#include "io/StreamTokenizer.h"
#include "lang/Exception.h"
#include "lang/Ref.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lang;
    const int32_t count = static_cast<int32_t>(size > INT32_MAX ? INT32_MAX : size);
    for (const int32_t encoding : {0, io::StreamTokenizer::UTF8}) {
        Ref<io::ByteArrayInputStream> stream = adopt(new io::ByteArrayInputStream(data, count));
        Ref<io::StreamTokenizer> tokenizer = adopt(new io::StreamTokenizer(stream.get()));
        tokenizer->setEncoding(encoding);
        tokenizer->parseNumbers();
        tokenizer->commentChar(';');
        tokenizer->quoteChar('"');
        tokenizer->eolIsSignificant(size % 2 == 1);
        // Every token takes at least one byte, so more tokens than bytes means a hang.
        int64_t tokens = 0;
        for (;;) {
            const int32_t type = tokenizer->nextToken();
            if (type == io::StreamTokenizer::TT_EOF)
                break;
            if (type < io::StreamTokenizer::TT_WORD || type > 255 || ++tokens > count)
                std::abort();
            if (type == io::StreamTokenizer::TT_WORD)
                tokenizer->toString();
        }
        // The end stays the end.
        if (tokenizer->nextToken() != io::StreamTokenizer::TT_EOF)
            std::abort();
    }
    return 0;
}
