// What a window books reaches the record as data: account, side, the form of its side marker and
// whether it states a balance. The printed caption is rendered from them, and the record's rows
// keep them as the press gave them, never reading a side back out of the printed text.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/journal/journal.h"
#include "core/practice/exercise.h"

namespace varnello {
namespace {

// Every form a window prints a side in, as it prints it; FindSide, which reads a side out of
// text a person wrote, reads each back.
struct MarkCase {
  Side side;
  SideMark mark;
  std::string_view text;
};
constexpr MarkCase kMarks[] = {
    {Side::Debit, SideMark::Full, "（借）"},
    {Side::Credit, SideMark::Full, "（贷）"},
    {Side::Debit, SideMark::Half, "(借)"},
    {Side::Credit, SideMark::Half, "(贷)"},
    {Side::Debit, SideMark::HalfClose, "（借)"},
    {Side::Credit, SideMark::HalfClose, "（贷)"},
    {Side::Debit, SideMark::Unclosed, "（借"},
    {Side::Credit, SideMark::Unclosed, "（贷"},
    {Side::None, SideMark::Full, ""},
    {Side::None, SideMark::Half, ""},
};

TEST(Postings, SideMarksPrintAsWindowsPrintThemAndReadBack) {
  for (const MarkCase& c : kMarks) {
    EXPECT_EQ(SideMarkText(c.side, c.mark), c.text);
    std::string caption = CaptionOf({"应交税费-应交增值税（进）", c.side, c.mark});
    EXPECT_EQ(caption, "应交税费-应交增值税（进）" + std::string(c.text));
    CaptionSide read = FindSide(caption);
    EXPECT_EQ(read.side, c.side) << caption;
    EXPECT_EQ(caption.substr(0, read.account), c.side == Side::None ? caption : "应交税费-应交增值税（进）");
  }
}

// Lines a press books, and the rows the record must make of them. A caption that looks like a
// side it does not book keeps the side the press gave: the record never reads the text.
struct BookedCase {
  std::string_view printed;  // the line as printed
  std::string_view account;
  Side side;
  bool inferred;
  bool balance;
};

void PressBooked(Press& p) {
  p.Heading("入账");
  p.Debit("银行存款", 100.0);
  p.Credit("应付账款（借）", 60.0);  // an account whose text ends like a debit marker
  p.Line("库存现金（贷）", 40.0);    // a line booked without a side, though its text shows one
  p.Blank();
  p.Heading("结转");
  p.Balance("未分配利润总", Side::Credit, 500.0);
  p.Credit("未分配利润总", 7.0);  // the same account booked as a posting is a posting
  p.Post(Side::Debit, "本年利润", 7.0, SideMark::Half);
  p.Balance("未分配利润总", Side::None, 3.0);
}

constexpr BookedCase kBooked[] = {
    {"银行存款（借） 100 ", "银行存款", Side::Debit, false, false},
    {"应付账款（借）（贷） 60 ", "应付账款（借）", Side::Credit, false, false},
    // The entry lacks 40 on the credit side: the row without a side is given it, as inferred.
    {"库存现金（贷） 40 ", "库存现金（贷）", Side::Credit, true, false},
    {"未分配利润总（贷） 500 ", "未分配利润总", Side::Credit, false, true},
    {"未分配利润总（贷） 7 ", "未分配利润总", Side::Credit, false, false},
    {"本年利润(借) 7 ", "本年利润", Side::Debit, false, false},
    {"未分配利润总 3 ", "未分配利润总", Side::None, false, true},
};

TEST(Postings, RowsKeepWhatThePressBooked) {
  TopicDesc desc = *FindTopic("Form6");
  desc.press = &PressBooked;
  EntryRecord record = PressOnce(desc, {});
  ASSERT_EQ(record.rows().size(), std::size(kBooked));
  for (std::size_t i = 0; i < std::size(kBooked); ++i) {
    const BookedCase& c = kBooked[i];
    const EntryRecord::Row& row = record.rows()[i];
    EXPECT_EQ(record.lines()[row.line], c.printed);
    EXPECT_EQ(record.account(row), c.account) << c.printed;
    EXPECT_EQ(row.side, c.side) << c.printed;
    EXPECT_EQ(row.sideInferred, c.inferred) << c.printed;
    EXPECT_EQ(row.balanceLine, c.balance) << c.printed;
  }
  // The balance line takes no part in the sums: 7 against 7.
  EntryBalance closing = record.balance(record.entries()[1]);
  EXPECT_EQ(closing.debit, 7.0);
  EXPECT_EQ(closing.credit, 7.0);
}

// Figures that lead every window down its branches: exercises, small figures of both signs,
// zeros.
std::vector<std::map<int, std::string>> SweepFigures(const TopicDesc& desc, std::mt19937& rng) {
  static const char* const kTexts[] = {"0",   "1",    "-1",  "2",    "3",    "12",
                                       "0.5", "0.05", "100", "-250", "1000", ""};
  std::vector<std::map<int, std::string>> sets;
  for (std::uint64_t seed = 1; seed <= 4; ++seed) sets.push_back(MakeExercise(desc, seed));
  for (int round = 0; round < 24; ++round) {
    std::map<int, std::string> texts;
    for (const Item* f : FieldsOf(desc)) texts[f->field] = kTexts[rng() % std::size(kTexts)];
    sets.push_back(std::move(texts));
  }
  return sets;
}

// Over every window: each journal line renders back from its posting to the line it printed;
// each row's side is the one the press booked (or, for a caption booked without a side, the one
// its entry implies); a line booked without a side prints no side marker a reader could take for
// one, so no side is left to be read out of text.
TEST(Postings, EveryWindowsRowsRenderFromWhatItBooked) {
  std::mt19937 rng(35);
  std::size_t rows = 0, sided = 0, irregular = 0;
  for (const TopicDesc* desc : AllTopics()) {
    for (const std::map<int, std::string>& figures : SweepFigures(*desc, rng)) {
      EntryRecord record = PressOnce(*desc, FieldTexts(figures));
      for (const EntryRecord::Row& row : record.rows()) {
        const EntryRecord::Line& parts = record.parts()[row.line];
        Posting posting = record.posting(row.line);
        std::string_view printed = record.lines()[row.line];
        std::string rendered = std::string(printed.substr(0, parts.open)) + CaptionOf(posting) +
                               (parts.amount ? FormatAmount(*parts.amount) : "");
        ASSERT_EQ(rendered, printed) << desc->id;
        ASSERT_EQ(record.account(row), posting.account) << desc->id << ": " << printed;
        ASSERT_EQ(row.balanceLine, posting.balance) << desc->id << ": " << printed;
        if (row.sideInferred) {
          ASSERT_EQ(posting.side, Side::None) << desc->id << ": " << printed;
        } else {
          ASSERT_EQ(row.side, posting.side) << desc->id << ": " << printed;
        }
        CaptionSide read = FindSide(record.caption(row));
        ASSERT_EQ(read.side, posting.side)
            << desc->id << " books a side its caption does not show, or prints "
            << "a side it does not book: " << printed;
        ++rows;
        sided += posting.side != Side::None;
        irregular += posting.mark != SideMark::Full;
      }
    }
  }
  // The sweep reaches the windows' postings, the irregular forms among them.
  EXPECT_GT(rows, 10000u);
  EXPECT_GT(sided, rows * 9 / 10);
  EXPECT_GT(irregular, 0u);
}

// No window writes a side marker into a caption by hand: it books the side (Debit, Credit, Post)
// and names an irregular form by its SideMark. Field captions are labels, not postings.
TEST(Postings, NoWindowWritesASideMarkerIntoACaption) {
  namespace fs = std::filesystem;
  // Alternatives and groups: a bracket, or a bare ?, would apply to single bytes of a character.
  const std::regex marker(R"re("[^"]*(（|\()(借|贷)(方)?(）|\))?")re");
  const std::regex label(R"re(Field\(\d+, "[^"]*"\))re");
  int files = 0;
  for (const fs::directory_entry& entry :
       fs::recursive_directory_iterator(fs::path(VARNELLO_SOURCE_DIR) / "src/core/topics")) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    std::string source = std::regex_replace(text.str(), label, "");
    std::smatch m;
    EXPECT_FALSE(std::regex_search(source, m, marker)) << entry.path().filename() << ": " << m.str();
    ++files;
  }
  EXPECT_GT(files, 100);
}

}  // namespace
}  // namespace varnello
