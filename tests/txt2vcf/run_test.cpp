#include "txt2vcf/run.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>
#include <vector>
#endif

#include <algorithm>
#include <filesystem>

#include "run_support.h"
#include "stream_doubles.h"
#include "support/test_files.h"

namespace batchvcf::txt2vcf {
namespace {

using testing::card;
using testing::run;
using testing::utf8_path;
using strings = std::vector<std::string>;

// 示例A in code page 936 and in UTF-8.
const std::string example_gbk =
    "\xCA\xBE\xC0\xFD"
    "A";
const std::string example_utf8 =
    "\xE7\xA4\xBA\xE4\xBE\x8B"
    "A";

TEST(run_test, writes_the_worked_example_byte_for_byte) {
    const auto result = run({"-s", ",", "-"}, example_gbk + ",13900000000\r\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "BEGIN:VCARD\r\nVERSION:2.1\r\n"
              "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;=E7=A4=BA=E4=BE=8B=41;;;\r\n"
              "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E7=A4=BA=E4=BE=8B=41\r\n"
              "TEL;WORK;PREF:13900000000\r\nEND:VCARD\r\n");
    EXPECT_EQ(result.out.size(), 199u);
}

TEST(run_test, options_and_encodings_change_the_cards_as_documented) {
    struct row {
        const char* label;
        strings arguments;
        std::string input;
        std::string expected;
    };
    const std::string full_width_comma_utf8 = "\xEF\xBC\x8C";
    const std::vector<row> rows = {
        {"default separator is one space", {"-"}, example_gbk + " 1\r\n", card(example_utf8, "1")},
        {"lf and lone cr end lines too",
         {"-"},
         "a 1\nb 2\rc 3",
         card("a", "1") + card("b", "2") + card("c", "3")},
        {"separator typed in utf-8, matched in gbk",
         {"-s", full_width_comma_utf8, "-"},
         example_gbk + "\xA3\xAC"
                       "1\r\n",
         card(example_utf8, "1")},
        {"long option with =", {"--separator=--", "-"}, "a--1\r\n", card("a", "1")},
        {"trim drops a whole two-byte character",
         {"-t", "-s", ",", "-e", "gbk", "-"},
         "a,139\xCA\xBE\r\nb,1392\r\n",
         card("a", "139") + card("b", "139")},
        {"trim in utf-8",
         {"-t", "-e", "utf-8", "-s", ",", "-"},
         "a,139\xE7\xA4\xBA\r\n",
         card("a", "139")},
        {"utf-8 read as is",
         {"-e", "utf-8", "-"},
         example_utf8 + " 1\r\n",
         card(example_utf8, "1")},
        {"auto: valid utf-8", {"-"}, example_utf8 + " 1\r\n", card(example_utf8, "1")},
        {"auto: utf-8 mark not in the name",
         {"-"},
         "\xEF\xBB\xBF" + example_utf8 + " 1\r\n",
         card(example_utf8, "1")},
        {"gbk: utf-8 mark dropped too",
         {"-e", "gbk", "-"},
         "\xEF\xBB\xBF"
         "a 1\r\n",
         card("a", "1")},
        {"auto: utf-16le with mark",
         {"-"},
         std::string("\xFF\xFE\x3A\x79\x8B\x4F\x41\x00\x20\x00\x31\x00\x0D\x00\x0A\x00", 16),
         card(example_utf8, "1")},
        {"forced utf-8 repaired", {"-e", "utf-8", "-"}, "a\xFF 1\r\n", card("a\xEF\xBF\xBD", "1")},
        {"gbk number goes out as utf-8",
         {"-s", ",", "-"},
         "a," + example_gbk + "\r\n",
         card("a", example_utf8)},
        {"bundled short options", {"-tqs,", "-"}, "a,12\r\n", card("a", "1")},
        {"a line emptied by trimming passes silently",
         {"-t", "-s", ",", "-"},
         "x\r\na,12\r\n",
         card("a", "1")},
        {"empty input", {"-"}, "", ""},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        const auto result = run(r.arguments, r.input);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.out, r.expected);
    }
}

TEST(run_test, warns_by_line_number_for_every_line_that_gives_no_card) {
    const std::string input =
        "a,1\r\n\r\nno separator\r\nb,\r\nc,3\r\nd,,4\r\nx\x1A"
        "after";
    const auto result = run({"-s", ",", "-"}, input);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, card("a", "1") + card("c", "3"));
    EXPECT_EQ(result.err,
              "txt2vcf: line 3: no separator, skipped\n"
              "txt2vcf: line 4: no number after the separator, skipped\n"
              "txt2vcf: line 6: no number after the separator, skipped\n"
              "txt2vcf: line 7: no separator, skipped\n"
              "txt2vcf: line 7: a NUL or Ctrl-Z byte ends the text, the rest is ignored\n");

    // Read as code page 936, the CR LF after the euro sign pairs with it as in the window.
    const auto joined = run({"-e", "gbk", "-"}, "a 1\x80\r\nb 2\r\nc\r\nd 4\r\n");
    EXPECT_EQ(joined.out, card("d", "4"));
    EXPECT_EQ(joined.err,
              "txt2vcf: line 1: a CR LF inside a two-byte character joins the next line, "
              "skipped\n"
              "txt2vcf: line 3: no separator, skipped\n");

    const auto quiet = run({"-q", "-s", ",", "-"}, input);
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(quiet.out, result.out);
}

TEST(run_test, usage_errors_exit_2_with_a_one_line_hint) {
    const std::vector<strings> rows = {
        {},
        {"-s", "", "-"},
        {"--separator=", "-"},
        {"-s", "\xFF", "-"},
        {"-e", "latin1", "-"},
        {"--frobnicate", "-"},
        {"-x", "-"},
        {"-s"},
        {"a.txt", "b.txt"},
        {"--quiet=yes", "-"},
        {"-o", "", "-"},
    };
    for (const strings& arguments : rows) {
        std::string label;
        for (const std::string& argument : arguments) label += "[" + argument + "] ";
        SCOPED_TRACE(label);
        const auto result = run(arguments, "a 1\r\n");
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        ASSERT_FALSE(result.err.empty());
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
        EXPECT_NE(result.err.find("txt2vcf --help"), std::string::npos) << result.err;
    }
}

TEST(run_test, help_and_version_go_to_standard_output) {
    const auto help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: txt2vcf", 0), 0u);
    const auto version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("txt2vcf ", 0), 0u);
}

TEST(run_test, output_file_is_replaced_whole_or_not_at_all) {
    const batchvcf::testing::scratch_folder folder;
    const std::string input_path = utf8_path(folder / "in.txt");
    const std::string output_path = utf8_path(folder / "out.vcf");
    batchvcf::testing::write_bytes(folder / "in.txt", "a 1\r\nb 2\r\n");
    batchvcf::testing::write_bytes(folder / "out.vcf", "old cards");

    const auto written = run({"-o", output_path, input_path});
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(batchvcf::testing::read_bytes(folder / "out.vcf"), card("a", "1") + card("b", "2"));

    // Standard input fails part way: the old file stays, and nothing else is left in the folder.
    batchvcf::testing::write_bytes(folder / "out.vcf", "old cards");
    std::string many_lines;
    for (int i = 0; i < 300000; ++i) many_lines += "a 1\r\n";
    testing::string_source failing(many_lines, 65536, false);
    failing.fail_after(1000000);
    testing::string_sink out;
    testing::string_sink err;
    EXPECT_EQ(run_txt2vcf({"-e", "gbk", "-o", output_path, "-"}, failing, out, err), 1);
    EXPECT_EQ(err.bytes, "txt2vcf: cannot read standard input: device gone\n");
    EXPECT_EQ(batchvcf::testing::read_bytes(folder / "out.vcf"), "old cards");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        names.push_back(utf8_path(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (strings{"in.txt", "out.vcf"}));

    // "-o -" is standard output.
    EXPECT_EQ(run({"-o", "-", input_path}).out, card("a", "1") + card("b", "2"));
}

TEST(run_test, unreadable_input_and_unwritable_output_exit_1) {
    const batchvcf::testing::scratch_folder folder;
    const std::string missing = utf8_path(folder / "missing.txt");
    const auto unread = run({missing});
    EXPECT_EQ(unread.status, 1);
    EXPECT_EQ(unread.err.rfind("txt2vcf: cannot read '" + missing + "': ", 0), 0u) << unread.err;

    batchvcf::testing::write_bytes(folder / "in.txt", "a 1\r\n");
    const std::string nowhere = utf8_path(folder / "no such folder" / "out.vcf");
    const auto unwritten = run({"-o", nowhere, utf8_path(folder / "in.txt")});
    EXPECT_EQ(unwritten.status, 1);
    EXPECT_EQ(unwritten.err.rfind("txt2vcf: cannot write '" + nowhere + "': ", 0), 0u)
        << unwritten.err;

    testing::string_source in("a 1\r\n");
    testing::string_sink full;
    full.room = 10;
    testing::string_sink err;
    EXPECT_EQ(run_txt2vcf({"-"}, in, full, err), 1);
    EXPECT_EQ(err.bytes, "txt2vcf: cannot write standard output: disk full\n");
}

#ifndef _WIN32
// A link stays a link and a FIFO or device stays what it is: only a regular file is replaced.
TEST(run_test, output_through_a_link_or_to_a_fifo_keeps_what_is_there) {
    const batchvcf::testing::scratch_folder folder;
    batchvcf::testing::write_bytes(folder / "in.txt", "a 1\r\n");
    batchvcf::testing::write_bytes(folder / "real.vcf", "old");
    std::filesystem::create_symlink(folder / "real.vcf", folder / "link.vcf");
    EXPECT_EQ(run({"-o", utf8_path(folder / "link.vcf"), utf8_path(folder / "in.txt")}).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.vcf"));
    EXPECT_EQ(batchvcf::testing::read_bytes(folder / "real.vcf"), card("a", "1"));

    const auto fifo = folder / "cards.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = batchvcf::testing::read_bytes(fifo); });
    const auto result = run({"-o", utf8_path(fifo), utf8_path(folder / "in.txt")});
    // Should the run have failed before opening the FIFO, the reader would wait for a writer
    // forever: give it one that writes nothing. With the reader gone this open simply fails.
    if (const int unblock = open(fifo.c_str(), O_WRONLY | O_NONBLOCK); unblock >= 0) close(unblock);
    reader.join();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(received, card("a", "1"));
    EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);
}

// Ctrl+C in the middle of a conversion leaves the old file as it was and no temporary beside it.
TEST(run_test, an_interrupted_run_leaves_the_old_file_and_no_temporary) {
    const char* program = std::getenv("TXT2VCF_PROGRAM");
    if (program == nullptr) GTEST_SKIP() << "TXT2VCF_PROGRAM does not name the converter";
    const batchvcf::testing::scratch_folder folder;
    const auto output = folder / "out.vcf";
    batchvcf::testing::write_bytes(output, "old");
    const auto fifo = folder / "in.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    const std::string output_path = output.string();
    const std::string input_path = fifo.string();
    std::vector<char*> arguments = {const_cast<char*>(program),
                                    const_cast<char*>("-q"),
                                    const_cast<char*>("-e"),
                                    const_cast<char*>("gbk"),
                                    const_cast<char*>("-o"),
                                    const_cast<char*>(output_path.c_str()),
                                    const_cast<char*>(input_path.c_str()),
                                    nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, program, nullptr, nullptr, arguments.data(), environ), 0);
    // The converter waits for more input as long as this end stays open.
    const int writer = open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(write(writer, "a 1\r\n", 5), 5);

    const auto temporary_present = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            if (entry.path().filename().string().rfind("out.vcf.tmp", 0) == 0) return true;
        return false;
    };
    for (int wait = 0; wait < 1000 && !temporary_present(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(temporary_present());

    kill(child, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    close(writer);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    EXPECT_EQ(batchvcf::testing::read_bytes(output), "old");
    EXPECT_FALSE(temporary_present());
}
#endif

}  // namespace
}  // namespace batchvcf::txt2vcf
