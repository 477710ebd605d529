#include "cards/generate_cards.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "app/system_texts.h"
#include "cards/scratch_desktop.h"
#include "import/import_handlers.h"
#include "support/recording_window.h"
#include "support/test_files.h"

namespace batchvcf {
namespace {

using namespace std::string_literals;
using testing::fixture_path;
using testing::gbk_path;
using testing::read_bytes;
using testing::write_bytes;

const std::string example_name =
    "\xCA\xBE\xC0\xFD"
    "A";  // 示例A
const std::string example_name_qp = "=E7=A4=BA=E4=BE=8B=41";
const std::string done(texts::generation_done);

std::string record(const std::string& name_qp, const std::string& number) {
    return "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;" + name_qp +
           ";;;\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + name_qp +
           "\r\nTEL;WORK;PREF:" + number + "\r\nEND:VCARD\r\n";
}

// "\r\n有 N 行数据不完整，已跳过：第 " and the list, as the closing message ends.
std::string skipped_note(const std::string& count, const std::string& list, bool more = false) {
    return std::string(texts::skipped_before) + count + std::string(texts::skipped_middle) + list +
           std::string(more ? texts::skipped_end_more : texts::skipped_end);
}

class generate_cards_test : public ::testing::Test {
  protected:
    testing::scratch_desktop desktop;
    testing::window_fixture fixture;
    testing::recording_window& window = fixture.window;

    void store_lines(const std::vector<std::string>& lines) {
        state().lines.assign(lines.begin(), lines.end());
    }
    std::string card_file() const { return read_bytes(desktop.card_file()); }
};

TEST_F(generate_cards_test, worked_example_gives_its_199_bytes) {
    window.separator = ",";
    window.box_ticked = 0;
    store_lines({example_name + ",13900000000"});

    generate_cards();

    const std::string expected =
        "BEGIN:VCARD\r\n"
        "VERSION:2.1\r\n"
        "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;=E7=A4=BA=E4=BE=8B=41;;;\r\n"
        "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E7=A4=BA=E4=BE=8B=41\r\n"
        "TEL;WORK;PREF:13900000000\r\n"
        "END:VCARD\r\n";
    EXPECT_EQ(expected.size(), 199u);
    EXPECT_EQ(card_file(), expected);
    EXPECT_EQ(window.messages, std::vector<std::string>{done});
}

TEST(generate_cards_lines_test, one_line_gives_one_record) {
    struct row {
        const char* label;
        int ticked;
        std::string separator;
        std::string line;
        std::string name_qp;
        std::string number;
    };
    const row rows[] = {
        {"box ticked cuts the last byte", 1, ",", example_name + ",139000000001", example_name_qp,
         "13900000000"},
        {"the window as it starts", 1, " ", example_name + " 139000000001", example_name_qp,
         "13900000000"},
        {"third field ignored", 0, ",", example_name + ",13900000000,x", example_name_qp,
         "13900000000"},
        {"separator first: empty name", 0, ",", ",13900000000", "", "13900000000"},
        {"spaces around the separator", 0, ",", example_name + " , 13900000000",
         example_name_qp + "=20", " 13900000000"},
        {"two hyphens", 0, "--", example_name + "--13900000000", example_name_qp, "13900000000"},
        {"full-width comma", 0, "\xA3\xAC",
         example_name + "\xA3\xAC"
                        "13900000000",
         example_name_qp, "13900000000"},
        // Full-width digits １３９ are written as UTF-8, like the name but not escaped.
        {"number in UTF-8", 0, ",", "A,\xA3\xB1\xA3\xB3\xA3\xB9", "=41",
         "\xEF\xBC\x91\xEF\xBC\x93\xEF\xBC\x99"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        testing::scratch_desktop desktop;
        testing::window_fixture fixture;
        fixture.window.box_ticked = r.ticked;
        fixture.window.separator = r.separator;
        state().lines.assign(1, text(r.line));

        generate_cards();

        EXPECT_EQ(read_bytes(desktop.card_file()), record(r.name_qp, r.number));
        EXPECT_EQ(fixture.window.messages, std::vector<std::string>{done});
    }
}

TEST_F(generate_cards_test, records_follow_the_imported_file) {
    window.separator = ",";
    window.box_ticked = 0;
    window.dialog_answers.push_back(gbk_path(fixture_path("contacts_gbk.txt")));
    import_text_data();

    generate_cards();

    EXPECT_EQ(card_file(), record("=E5=BC=A0=E4=B8=89", "13800000001") +
                               record("=E6=9D=8E=E5=9B=9B", "13800000002") +
                               record(example_name_qp, "13900000000"));
}

TEST_F(generate_cards_test, two_clicks_with_the_box_ticked_cut_one_byte_both_times) {
    window.separator = ",";
    store_lines({example_name + ",139000000001", "B,138000000021"});

    generate_cards();
    generate_cards();

    const std::string one_click =
        record(example_name_qp, "13900000000") + record("=42", "13800000002");
    EXPECT_EQ(card_file(), one_click + one_click);
    EXPECT_EQ(std::string(state().lines[0]),
              example_name + ",139000000001");  // the stored lines stay whole
}

TEST_F(generate_cards_test, two_clicks_with_the_box_unticked_write_every_record_twice) {
    window.separator = ",";
    window.box_ticked = 0;
    store_lines({"A,1", "B,2"});

    generate_cards();
    const std::string first = card_file();
    generate_cards();

    EXPECT_EQ(first, record("=41", "1") + record("=42", "2"));
    EXPECT_EQ(card_file(), first + first);
    EXPECT_EQ(window.messages, (std::vector<std::string>{done, done}));
}

TEST_F(generate_cards_test, no_lines_writes_an_empty_file) {
    generate_cards();
    EXPECT_EQ(card_file(), "");
    EXPECT_TRUE(std::filesystem::exists(desktop.card_file()));
    EXPECT_EQ(window.messages, std::vector<std::string>{done});
}

TEST_F(generate_cards_test, incomplete_lines_are_skipped_whole_and_listed) {
    window.separator = ",";
    window.box_ticked = 0;
    store_lines({"A,1", "", "B", "C,", "D,2", "E,,"});

    generate_cards();

    // "E,," divides into "E" and an empty number: a card without a number is no card either.
    const std::string comma(texts::skipped_list_separator);
    EXPECT_EQ(card_file(), record("=41", "1") + record("=44", "2"));
    EXPECT_EQ(window.messages,
              std::vector<std::string>{done + skipped_note("3", "3" + comma + "4" + comma + "6")});
    // fields holds what the last line divides into.
    EXPECT_EQ(state().fields, (text_array{"E", ""}));
}

TEST_F(generate_cards_test, lines_that_make_no_record_take_no_room) {
    // A large file without the separator once made the click ask for nine times its size, and
    // end the program where that much storage could not be had.
    window.separator = ",";
    window.box_ticked = 0;
    store_lines({std::string(1 << 20, 'x'), std::string(1 << 20, 'y'), "A,1"});

    generate_cards();

    EXPECT_EQ(card_file(), record("=41", "1"));
    EXPECT_LT(state().card_text.capacity(), std::size_t{4096});
}

TEST_F(generate_cards_test, lines_emptied_by_trimming_pass_silently) {
    window.separator = ",";
    store_lines({"x", "A,12", ""});
    generate_cards();
    EXPECT_EQ(card_file(), record("=41", "1"));
    EXPECT_EQ(window.messages, std::vector<std::string>{done});
}

TEST_F(generate_cards_test, past_ten_skipped_lines_the_list_ends_with_more) {
    window.separator = ",";
    window.box_ticked = 0;
    std::vector<std::string> lines(12, "no separator");
    lines.push_back("A,1");
    store_lines(lines);

    generate_cards();

    std::string list = "1";
    for (int line = 2; line <= 10; ++line)
        list += std::string(texts::skipped_list_separator) + std::to_string(line);
    EXPECT_EQ(card_file(), record("=41", "1"));
    EXPECT_EQ(window.messages, std::vector<std::string>{done + skipped_note("12", list, true)});
}

TEST_F(generate_cards_test, a_number_holding_a_line_break_is_skipped) {
    // The CR LF after 0xB0 pairs with it and ends no line, so line 1 runs on into "3".
    const std::filesystem::path input = desktop.desktop() / "damaged.txt";
    write_bytes(input, "A,1\xB0\r\n3\r\nB,2\r\n");
    window.separator = ",";
    window.box_ticked = 0;
    window.dialog_answers.push_back(gbk_path(input));
    import_text_data();
    ASSERT_EQ(state().lines.size(), 2u);

    generate_cards();

    EXPECT_EQ(card_file(), record("=42", "2"));
    EXPECT_EQ(window.messages, std::vector<std::string>{done + skipped_note("1", "1")});
}

TEST_F(generate_cards_test, a_failed_write_says_so_and_keeps_every_record) {
    window.separator = ",";
    window.box_ticked = 0;
    store_lines({"A,1"});
    // A folder with something in it stands where the card file goes: it can't be replaced.
    std::filesystem::create_directory(desktop.card_file());
    write_bytes(desktop.card_file() / "keep.txt", "old");

    generate_cards();

    ASSERT_EQ(window.messages.size(), 1u);
    const std::string expected_start =
        std::string(texts::cannot_write_file) + gbk_path(desktop.card_file()) + "\r\n";
    EXPECT_EQ(window.messages[0].substr(0, expected_start.size()), expected_start);
    EXPECT_GT(window.messages[0].size(), expected_start.size());  // the system's reason

    std::filesystem::remove_all(desktop.card_file());
    generate_cards();
    EXPECT_EQ(card_file(), record("=41", "1") + record("=41", "1"));
    EXPECT_EQ(window.messages.back(), done);
}

TEST_F(generate_cards_test, many_lines_take_linear_time) {
    // Joining the whole card text at every append would make this take hours, not moments.
    window.separator = ",";
    window.box_ticked = 0;
    const std::string line = example_name + ",13900000000";
    const std::size_t count = 100000;
    state().lines.assign(count, text(line));

    generate_cards();

    const std::string one = record(example_name_qp, "13900000000");
    const std::string written = card_file();
    ASSERT_EQ(written.size(), count * one.size());
    EXPECT_EQ(written.substr(0, one.size()), one);
    EXPECT_EQ(written.substr(written.size() - one.size()), one);
}

}  // namespace
}  // namespace batchvcf
