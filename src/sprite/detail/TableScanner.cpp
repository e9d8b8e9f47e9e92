#include "sprite/detail/TableScanner.h"

#include "util/OwningArray.h"

#include <cmath>
#include <vector>

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

lang::Ref<lang::StringArray> readCountedTexts(TableScanner& in)
{
    const TableToken count = in.next();
    std::vector<lang::String> texts;
    for (int32_t i = 0; count.isNumber() && i < count.toInt(); ++i) {
        const TableToken token = in.next();
        if (token.isEnd())
            break;
        texts.push_back(token.text);
    }
    lang::Ref<lang::StringArray> list
        = lang::adopt<lang::StringArray>(new OwningStringArray(int32_t(texts.size())));
    for (size_t i = 0; i < texts.size(); ++i)
        (*list)[int32_t(i)] = new lang::String(texts[i]);
    return list;
}

lang::Ref<lang::IntArray> readCountedNumbers(TableScanner& in)
{
    const TableToken count = in.next();
    std::vector<int32_t> numbers;
    for (int32_t i = 0; count.isNumber() && i < count.toInt(); ++i) {
        const TableToken token = in.next();
        if (token.isEnd())
            break;
        numbers.push_back(token.toInt());
    }
    lang::Ref<lang::IntArray> list = lang::adopt(new lang::IntArray(int32_t(numbers.size())));
    for (size_t i = 0; i < numbers.size(); ++i)
        (*list)[int32_t(i)] = numbers[i];
    return list;
}

} // namespace sprite
