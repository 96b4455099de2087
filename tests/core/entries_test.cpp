#include "core/entries/entries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/entries/table.h"
#include "core/press_helper.h"
#include "core/record_helper.h"

namespace varnello {
namespace {

using Kind = EntryRecord::Kind;

const std::vector<FieldText> kSharePurchase = {{1, "10"}, {2, "0.5"}, {3, "1000"}, {4, "50"}};

TEST(FindSide, RegularAndIrregularMarkers) {
  struct Case {
    const char* caption;
    const char* account;
    Side side;
  };
  const Case cases[] = {
      {"银行存款（借）", "银行存款", Side::Debit},
      {"利润分配-未分配利润（贷）", "利润分配-未分配利润", Side::Credit},
      {"长期债权投资-面值(借)", "长期债权投资-面值", Side::Debit},
      {"长期债权投资（溢折价）(贷)", "长期债权投资（溢折价）", Side::Credit},
      {"应交税费-应交增值税（进）(贷)", "应交税费-应交增值税（进）", Side::Credit},
      {"生产成本（贷)", "生产成本", Side::Credit},
      {"固定资产（贷", "固定资产", Side::Credit},
      {"银行存款(借方)", "银行存款", Side::Debit},
      {"入账价值", "入账价值", Side::None},
      {"应交税费-应交增值税（进）", "应交税费-应交增值税（进）", Side::None},
      {"贷款-已减值", "贷款-已减值", Side::None},
      {"长期借款", "长期借款", Side::None},
      {"借）", "借）", Side::None},
      {"地方(方)", "地方(方)", Side::None},
  };
  for (const Case& c : cases) {
    CaptionSide s = FindSide(c.caption);
    EXPECT_EQ(std::string_view(c.caption).substr(0, s.account), c.account) << c.caption;
    EXPECT_EQ(s.side, c.side) << c.caption;
  }
  EXPECT_EQ(SideName(Side::Credit), "credit");
  EXPECT_EQ(SideText(Side::Credit), "贷");
}

TEST(Entries, SharesPurchaseWindow) {
  std::vector<Entry> entries = EntriesOf(PressOnce(*FindTopic("Form6"), kSharePurchase));
  ASSERT_EQ(entries.size(), 6u);
  const Entry& first = entries[0];
  EXPECT_EQ(first.heading, "购入股票");
  EXPECT_EQ(first.headingLine, 0u);
  ASSERT_EQ(first.rows.size(), 3u);
  EXPECT_EQ(first.rows[0].account, "交易性金融资产-成本");
  EXPECT_EQ(first.rows[0].side, Side::Debit);
  EXPECT_EQ(first.rows[0].amount, 9550);
  EXPECT_EQ(first.rows[1].amount, 500);
  EXPECT_EQ(first.rows[2].account, "银行存款");
  EXPECT_EQ(first.rows[2].side, Side::Credit);
  EXPECT_EQ(first.rows[2].amount, 10050);
  EXPECT_EQ(first.rows[2].line, 3u);
  // A figure after a blank line: an entry without heading, a row without side.
  EXPECT_EQ(entries[1].heading, "");
  ASSERT_EQ(entries[1].rows.size(), 1u);
  EXPECT_EQ(entries[1].rows[0].account, "入账价值");
  EXPECT_EQ(entries[1].rows[0].side, Side::None);
  // Two headings in a row: the first one's entry has no rows.
  EXPECT_EQ(entries[2].heading, "短期持有股票");
  EXPECT_TRUE(entries[2].rows.empty());
  EXPECT_EQ(entries[3].heading, "购入");
}

// Open text shares its line with the row after it and heads that row's entry; a press that ends
// after open text leaves the line open, and the next press continues it.
void PressWithOpenText(Press& p) {
  p.Open("收回债券");
  p.Debit("银行存款", p.Check(p.Read(1) * 2));
  p.Credit("投资收益", p.Read(1) * 2);
  p.Blank();
  p.Open("收回");
}

TEST(EntryRecord, PressesAppendAndOpenTextHeadsItsEntry) {
  TopicDesc desc = *FindTopic("Form6");
  desc.press = &PressWithOpenText;
  const std::vector<FieldText> texts = {{1, "5"}};
  EntryRecord record = PressOnce(desc, texts, true);
  EXPECT_EQ(record.lines(),
            (std::vector<std::string>{"收回债券银行存款（借） 10 ", "投资收益（贷） 10 ", "", "收回"}));
  EXPECT_TRUE(record.lastLineOpen());
  ASSERT_EQ(record.entries().size(), 2u);
  EXPECT_EQ(record.heading(record.entries()[0]), "收回债券");
  EXPECT_EQ(record.account(record.rows()[0]), "银行存款");
  EXPECT_EQ(record.caption(record.rows()[1]), "投资收益（贷）");
  EXPECT_EQ(record.heading(record.entries()[1]), "收回");
  ASSERT_EQ(record.working().size(), 2u);
  EXPECT_EQ(record.workingOf(0)->text, "收回债券银行存款（借） 10 = 每股价格 5 × 2");
  EXPECT_EQ(IndentedWorking(*record.workingOf(0)), (std::vector<std::string>{"    = 每股价格 5 × 2"}));

  // A second press continues the open line: its lines and working count from there.
  PressInto(desc, texts, record, true);
  EXPECT_EQ(record.pressStart(), 3u);
  EXPECT_EQ(record.lines().size(), 7u);
  EXPECT_EQ(record.lines()[3], "收回收回债券银行存款（借） 10 ");
  ASSERT_EQ(record.working().size(), 4u);
  EXPECT_EQ(record.working()[2].line, 3u);
  EXPECT_NE(record.workingOf(4), nullptr);
  EXPECT_EQ(record.entries().size(), 3u);
  EXPECT_EQ(record.heading(record.entries()[1]), "收回收回债券");

  record.clear();
  EXPECT_TRUE(record.lines().empty());
  EXPECT_TRUE(record.working().empty());
  EXPECT_FALSE(record.lastLineOpen());
}

TEST(EntryTable, SharesPurchaseAsTsvCsvHtml) {
  std::vector<Entry> entries = EntriesOf(PressOnce(*FindTopic("Form6"), kSharePurchase));
  EntryTable table = TableOf(entries);
  std::string tsv = ToTsv(table);
  EXPECT_EQ(tsv.substr(0, tsv.find("短期投资")),
            "摘要\t会计科目\t借方金额\t贷方金额\t其他金额\n"
            "购入股票\t交易性金融资产-成本\t9550\t\t\n"
            "\t投资收益\t500\t\t\n"
            "\t银行存款\t\t10050\t\n"
            "\t入账价值\t\t\t9550\n"
            "短期持有股票\t\t\t\t\n"
            "购入\t");
  EXPECT_EQ(TotalsOf(entries[0]).debit, 10050);
  EXPECT_EQ(TotalsOf(entries[0]).credit, 10050);

  EntryTable odd{{"a", "b"}, {{"x,y", "say \"hi\""}, {"line\nbreak\ttab", "-1.5"}}};
  EXPECT_EQ(ToCsv(odd, true),
            "\xEF\xBB\xBF"
            "a,b\r\n\"x,y\",\"say \"\"hi\"\"\"\r\n\"line\nbreak\ttab\",-1.5\r\n");
  EXPECT_EQ(ToTsv(odd), "a\tb\nx,y\tsay \"hi\"\nline break tab\t-1.5\n");
  EXPECT_NE(ToHtml(EntryTable{{"<&>"}, {}}).find("<th>&lt;&amp;&gt;</th>"), std::string::npos);
  // As printed: a 合计 row after every entry with a side, flagged when it does not balance; 其他金额
  // only when some figure has no side; the sums in bold.
  EntryTable printed =
      TableOf(EntriesOf(testing::RecordOf({"x", "银行存款（借） 100 ", "资本公积（贷） 30 ", "入账"})),
              {TableOptions::Totals::Sided, true});
  EXPECT_EQ(printed.header.size(), 4u);
  EXPECT_EQ(ToHtml(printed, {false, "border=\"1\"", true}),
            "<table border=\"1\"><tr><th>摘要</th><th>会计科目</th><th>借方金额</th><th>贷方金额</th></tr>"
            "<tr><td>x</td><td>银行存款</td><td align=\"right\">100</td><td align=\"right\"></td></tr>"
            "<tr><td></td><td>资本公积</td><td align=\"right\"></td><td align=\"right\">30</td></tr>"
            "<tr><td></td><td><b>合计 ⚠ 借贷不平，差额 70</b></td><td align=\"right\"><b>100</b></td>"
            "<td align=\"right\"><b>30</b></td></tr>"
            "<tr><td>入账</td><td></td><td></td><td></td></tr></table>");
  EXPECT_EQ(PlainAmount(-0.5), "-0.5");
  EXPECT_EQ(PlainAmount(1e15), "1E+15");
}

// Every window pressed with several sets of figures, with its working: a reused record (cleared,
// as batch keeps it) holds the same as a fresh one; every journal line is one row, in order, and
// its heading, caption and amount render exactly its printed line; every amount line has its
// working, whose figure is the printed one, and no other line has any.
TEST(EntryRecord, EveryWindowEveryLine) {
  const std::vector<std::string (*)(int)> inputs = {
      [](int) { return std::string(); },
      [](int n) { return std::to_string(n * 37 % 97 + 3); },
      [](int n) { return "0." + std::to_string(n) + "5"; },
      [](int n) { return std::to_string(n * 1234 + 5) + ".25"; },
      [](int n) { return n % 2 ? std::to_string(-20 * n) : std::to_string(7 * n); },
  };
  std::size_t rows = 0;
  EntryRecord reused;
  for (const TopicDesc* desc : AllTopics()) {
    std::size_t windowRows = 0;
    for (auto input : inputs) {
      std::map<int, std::string> texts;
      for (const Item* f : FieldsOf(*desc)) texts[f->field] = input(f->field);
      SCOPED_TRACE(std::string(desc->id.name()) + " " + (texts.empty() ? "" : texts.begin()->second));
      EntryRecord r = PressOnce(*desc, FieldTexts(texts), true);
      EntryRecord plain = PressOnce(*desc, FieldTexts(texts));
      ASSERT_EQ(plain.lines(), r.lines());
      EXPECT_EQ(plain.fault(), r.fault());
      reused.clear();
      PressInto(*desc, FieldTexts(texts), reused);
      ASSERT_EQ(reused.lines(), r.lines());
      EXPECT_EQ(EntriesOf(reused), EntriesOf(r));
      std::vector<std::size_t> rowLines;
      for (const Entry& e : EntriesOf(r)) {
        if (e.headingLine != kNoLine) {
          const EntryRecord::Line& h = r.parts()[e.headingLine];
          EXPECT_TRUE(h.kind == Kind::Heading || h.open > 0);
        }
        for (const EntryRow& row : e.rows) {
          ASSERT_LT(row.line, r.lines().size());
          std::string heading = row.line == e.headingLine ? e.heading : "";
          EXPECT_EQ(heading + row.caption + (row.amount ? FormatAmount(*row.amount) : ""),
                    r.lines()[row.line]);
          EXPECT_EQ(row.caption.substr(0, FindSide(row.caption).account), row.account);
          rowLines.push_back(row.line);
        }
      }
      std::vector<std::size_t> journalLines;
      for (std::size_t i = 0; i < r.parts().size(); ++i) {
        const EntryRecord::Line& line = r.parts()[i];
        if (line.kind == Kind::Journal) journalLines.push_back(i);
        const WorkingLine* w = r.workingOf(i);
        if (w == nullptr) continue;
        EXPECT_EQ(line.kind, Kind::Journal) << r.lines()[i];
        EXPECT_EQ(line.amount, w->value) << r.lines()[i];
      }
      EXPECT_EQ(rowLines, journalLines);
      windowRows += rowLines.size();
    }
    EXPECT_GT(windowRows, 0u) << desc->id;
    rows += windowRows;
  }
  EXPECT_GT(rows, 3000u);
}

}  // namespace
}  // namespace varnello
