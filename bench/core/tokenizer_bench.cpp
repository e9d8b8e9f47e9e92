// Stream tokenizer throughput on 1 MB of text shaped like a sprite table (target: 50 MB/s).
#include "io/ByteArrayInputStream.h"
#include "io/StreamTokenizer.h"
#include "lang/Ref.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string spriteTableText(size_t size)
{
    std::string text = "\xEF\xBB\xBF; sprite table\n<sprites>\n";
    for (int i = 0; text.size() < size; ++i) {
        text += "button_" + std::to_string(i) + " ButtonSprite +buttons.png|+buttons_mask.png " + std::to_string(i % 800)
            + " " + std::to_string(i % 600) + " 0x1F -3 12.5 \"Caf\xC3\xA9 " + std::to_string(i) + "\" ; hover look\n";
    }
    text += "<end>\n";
    return text;
}

void Tokenize(benchmark::State& state, int32_t encoding)
{
    const std::string text = spriteTableText(1 << 20);
    int64_t tokens = 0;
    for (auto _ : state) {
        lang::Ref<io::ByteArrayInputStream> stream = lang::adopt(new io::ByteArrayInputStream(
            reinterpret_cast<const uint8_t*>(text.data()), static_cast<int32_t>(text.size())));
        lang::Ref<io::StreamTokenizer> tokenizer = lang::adopt(new io::StreamTokenizer(stream.get()));
        tokenizer->setEncoding(encoding);
        tokenizer->parseNumbers();
        tokenizer->commentChar(';');
        tokenizer->quoteChar('"');
        tokenizer->wordChars('<', '>');
        while (tokenizer->nextToken() != io::StreamTokenizer::TT_EOF)
            ++tokens;
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
    state.counters["tokens"] = benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kIsRate);
}

void TokenizeBytes(benchmark::State& state)
{
    Tokenize(state, 0);
}

void TokenizeUtf8(benchmark::State& state)
{
    Tokenize(state, io::StreamTokenizer::UTF8);
}

BENCHMARK(TokenizeBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(TokenizeUtf8)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
