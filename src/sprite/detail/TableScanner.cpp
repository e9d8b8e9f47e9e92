#include "sprite/detail/TableScanner.h"

#include <cmath>

namespace sprite {

int32_t TableToken::toInt() const
{
    if (kind != Number || std::isnan(number))
        return 0;
    const double whole = std::trunc(number);
    if (whole >= 2147483648.0 && whole < 4294967296.0)
        return int32_t(uint32_t(whole));
    if (whole >= 2147483647.0)
        return INT32_MAX;
    if (whole <= -2147483648.0)
        return INT32_MIN;
    return int32_t(whole);
}

TableScanner::TableScanner(io::InputStream* stream)
    : tokenizer(lang::adopt(new io::StreamTokenizer(stream)))
{
    tokenizer->eolIsSignificant(false);
    tokenizer->commentChar(';');
    tokenizer->quoteChar('"');
    tokenizer->parseNumbers();
    tokenizer->wordChars('<', '<');
    tokenizer->wordChars('>', '>');
    tokenizer->setEncoding(io::StreamTokenizer::UTF8);
}

TableToken TableScanner::next()
{
    if (pushedBack) {
        pushedBack = false;
        return current;
    }
    const int32_t type = tokenizer->nextToken();
    current = TableToken();
    if (type == io::StreamTokenizer::TT_EOF)
        return current;
    if (type == io::StreamTokenizer::TT_NUMBER) {
        current.kind = TableToken::Number;
        current.number = tokenizer->getNumberValue();
        current.text = lang::String(current.number);
    } else {
        current.kind = TableToken::Word;
        current.text = type == io::StreamTokenizer::TT_WORD ? tokenizer->getStringValue() : lang::String(char(type));
    }
    return current;
}

void TableScanner::pushBack()
{
    pushedBack = true;
}

} // namespace sprite
