// Micro-benchmarks of the three primitives the import and the card loop spend their time in.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "cards/name_encoding.h"
#include "import/file_reading.h"
#include "import/open_files.h"
#include "text/code_page.h"
#include "text/text.h"

namespace {

using namespace batchvcf;

// Code page 936 names of two to four characters and 11-digit numbers, one per CR LF line.
std::string contact_lines(std::size_t count) {
    static const char* const characters[] = {"\xD5\xC5", "\xC0\xEE", "\xCD\xF5", "\xC1\xF5",
                                             "\xB3\xC2", "\xD1\xEE", "\xBB\xC6", "\xD6\xDC"};
    std::string out;
    unsigned state = 12345;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        const unsigned length = 2 + (state >> 16) % 3;
        for (unsigned c = 0; c < length; ++c) out += characters[(state >> (4 + 3 * c)) % 8];
        char number[16];
        std::snprintf(number, sizeof number, " 1%010u\r\n", state % 1000000000u);
        out += number;
    }
    return out;
}

void encode_name_bench(benchmark::State& bench) {
    const std::string name = "\xD5\xC5\xC8\xFD\xB7\xE1";  // three characters
    for (auto _ : bench) benchmark::DoNotOptimize(encode_name(name));
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(encode_name_bench);

void divide_text_bench(benchmark::State& bench) {
    const std::string file_text = contact_lines(static_cast<std::size_t>(bench.range(0)));
    for (auto _ : bench) benchmark::DoNotOptimize(divide_text(file_text, "\r\n"));
    bench.SetBytesProcessed(bench.iterations() * static_cast<std::int64_t>(file_text.size()));
}
BENCHMARK(divide_text_bench)->Arg(10000)->Arg(100000);

void read_file_text_bench(benchmark::State& bench) {
    const auto path = std::filesystem::temp_directory_path() / "batchvcf-micro-bench.txt";
    const std::string bytes = contact_lines(static_cast<std::size_t>(bench.range(0)));
    std::ofstream(path, std::ios::binary) << bytes;
    const text path_gbk = gbk_from_utf8(path.string());
    for (auto _ : bench) {
        const batchvcf::opened_file opened = open_for_reading(path_gbk);
        benchmark::DoNotOptimize(read_file_text(opened.file_number));
        close_open_file(opened.file_number);
    }
    bench.SetBytesProcessed(bench.iterations() * static_cast<std::int64_t>(bytes.size()));
    std::filesystem::remove(path);
}
BENCHMARK(read_file_text_bench)->Arg(10000)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
