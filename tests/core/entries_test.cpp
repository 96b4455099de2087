#include "core/entries/entries.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/entries/table.h"
#include "core/press_helper.h"

namespace varnello {
namespace {

using Kind = PrintedLine::Kind;

const std::vector<FieldText> kSharePurchase = {{1, "10"}, {2, "0.5"}, {3, "1000"}, {4, "50"}};

TEST(SplitSide, RegularAndIrregularMarkers) {
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
      {"入账价值", "入账价值", Side::None},
      {"应交税费-应交增值税（进）", "应交税费-应交增值税（进）", Side::None},
      {"贷款-已减值", "贷款-已减值", Side::None},
      {"长期借款", "长期借款", Side::None},
      {"借）", "借）", Side::None},
  };
  for (const Case& c : cases) {
    SplitCaption s = SplitSide(c.caption);
    EXPECT_EQ(s.account, c.account) << c.caption;
    EXPECT_EQ(s.side, c.side) << c.caption;
    EXPECT_EQ(s.account + s.marker, c.caption);
  }
}

TEST(ParseLine, ReadsBackWhatWasPrinted) {
  EXPECT_EQ(ParseLine(""), PrintedLine{});
  EXPECT_EQ(ParseLine("购入股票"), (PrintedLine{Kind::Heading, "", "购入股票", {}}));
  EXPECT_EQ(ParseLine("利润分配（贷）-300 "), (PrintedLine{Kind::Journal, "", "利润分配（贷）", -300.0}));
  EXPECT_EQ(ParseLine("第2年 0.5 "), (PrintedLine{Kind::Journal, "", "第2年", 0.5}));
  EXPECT_EQ(ParseLine("x2-1.5E+20 "), (PrintedLine{Kind::Journal, "", "x2", -1.5e20}));
  EXPECT_EQ(ParseLine("x 1.234E-05 "), (PrintedLine{Kind::Journal, "", "x", 1.234e-05}));
  // An empty figure: the caption alone, still on its side.
  EXPECT_EQ(ParseLine("应收利息（借）"), (PrintedLine{Kind::Journal, "", "应收利息（借）", {}}));
  // Not the form FormatAmount gives: headings.
  for (const char* text : {"第 2", "年 007 ", "x 1.50 ", "x 1E+5 ", "x 1. ", "x .5 ", "12 "}) {
    EXPECT_EQ(ParseLine(text).kind, Kind::Heading) << text;
  }
}

TEST(Entries, SharesPurchaseWindow) {
  const TopicDesc* form6 = FindTopic("Form6");
  ASSERT_NE(form6, nullptr);
  EntryPress r = PressEntries(*form6, kSharePurchase);
  ASSERT_EQ(r.entries.size(), 6u);
  const Entry& first = r.entries[0];
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
  EXPECT_EQ(r.entries[1].heading, "");
  ASSERT_EQ(r.entries[1].rows.size(), 1u);
  EXPECT_EQ(r.entries[1].rows[0].account, "入账价值");
  EXPECT_EQ(r.entries[1].rows[0].side, Side::None);
  // Two headings in a row: the first one's entry has no rows.
  EXPECT_EQ(r.entries[2].heading, "短期持有股票");
  EXPECT_TRUE(r.entries[2].rows.empty());
  EXPECT_EQ(r.entries[3].heading, "购入");
  EXPECT_EQ(EntriesOf(r.lines).size(), r.entries.size());
}

TEST(Entries, OpenTextHeadsTheEntryItShares) {
  OutputBuffer text;
  LineRecorder out(&text);
  EntryRecord record;
  for (JournalSink* sink : std::initializer_list<JournalSink*>{&out, &record}) {
    sink->PrintOpenText("收回债券");
    sink->PrintJournalLine("银行存款（借）", 10.0);
    sink->PrintJournalLine("投资收益（贷）", 10.0);
    sink->PrintBlankLine();
    sink->PrintOpenText("收回");
  }
  record.finish();
  ASSERT_EQ(record.entries().size(), 2u);
  EXPECT_EQ(record.heading(record.entries()[0]), "收回债券");
  EXPECT_EQ(record.account(record.rows()[0]), "银行存款");
  EXPECT_EQ(record.caption(record.rows()[1]), "投资收益（贷）");
  EXPECT_EQ(record.entries()[0].endRow, 2u);
  EXPECT_EQ(record.heading(record.entries()[1]), "收回");
  EXPECT_EQ(record.lines(), text.lines());
  ASSERT_EQ(out.lines().size(), 4u);
  EXPECT_EQ(out.lines()[0].Render(), "收回债券银行存款（借） 10 ");
  std::vector<Entry> entries = EntriesOf(out.lines());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].heading, "收回债券");
  ASSERT_EQ(entries[0].rows.size(), 2u);
  EXPECT_EQ(entries[0].rows[0].account, "银行存款");
  EXPECT_EQ(entries[1].heading, "收回");  // a press that ended after open text
  EXPECT_EQ(text.lines(),
            (std::vector<std::string>{"收回债券银行存款（借） 10 ", "投资收益（贷） 10 ", "", "收回"}));
  out.ClearOutput();
  EXPECT_TRUE(out.lines().empty());
}

TEST(EntryTable, SharesPurchaseAsTsvCsvHtml) {
  EntryPress r = PressEntries(*FindTopic("Form6"), kSharePurchase);
  EntryTable table = TableOf(r.entries);
  std::string tsv = ToTsv(table);
  EXPECT_EQ(tsv.substr(0, tsv.find("短期投资")),
            "摘要\t会计科目\t借方金额\t贷方金额\t其他金额\n"
            "购入股票\t交易性金融资产-成本\t9550\t\t\n"
            "\t投资收益\t500\t\t\n"
            "\t银行存款\t\t10050\t\n"
            "\t入账价值\t\t\t9550\n"
            "短期持有股票\t\t\t\t\n"
            "购入\t");
  EXPECT_EQ(TotalsOf(r.entries[0]).debit, 10050);
  EXPECT_EQ(TotalsOf(r.entries[0]).credit, 10050);

  EntryTable odd{{"a", "b"}, {{"x,y", "say \"hi\""}, {"line\nbreak\ttab", "-1.5"}}};
  EXPECT_EQ(ToCsv(odd, true),
            "\xEF\xBB\xBF"
            "a,b\r\n\"x,y\",\"say \"\"hi\"\"\"\r\n\"line\nbreak\ttab\",-1.5\r\n");
  EXPECT_EQ(ToTsv(odd), "a\tb\nx,y\tsay \"hi\"\nline break tab\t-1.5\n");
  EXPECT_NE(ToHtml(EntryTable{{"<&>"}, {}}).find("<th>&lt;&amp;&gt;</th>"), std::string::npos);
  EXPECT_EQ(PlainAmount(-0.5), "-0.5");
  EXPECT_EQ(PlainAmount(1e15), "1E+15");
}

// Every window pressed with several sets of figures: the recorder prints exactly the window's
// lines; every journal line is one row, in order, and re-renders to its printed line; read back
// from the text alone, each line without open text has the same parts.
TEST(Entries, EveryWindowEveryLine) {
  const std::vector<std::string (*)(int)> inputs = {
      [](int) { return std::string(); },
      [](int n) { return std::to_string(n * 37 % 97 + 3); },
      [](int n) { return "0." + std::to_string(n) + "5"; },
      [](int n) { return std::to_string(n * 1234 + 5) + ".25"; },
      [](int n) { return n % 2 ? std::to_string(-20 * n) : std::to_string(7 * n); },
  };
  std::size_t rows = 0;
  EntryRecord reused;  // one record for every press, as batch keeps it
  for (const TopicDesc* desc : AllTopics()) {
    std::size_t windowRows = 0;
    for (auto input : inputs) {
      std::map<int, std::string> texts;
      for (const Item* f : FieldsOf(*desc)) texts[f->field] = input(f->field);
      SCOPED_TRACE(std::string(desc->id.name()) + " " + (texts.empty() ? "" : texts.begin()->second));
      PressOutcome plain = PressFresh(*desc, FieldTexts(texts));
      EntryPress r = PressEntries(*desc, FieldTexts(texts));
      ASSERT_EQ(r.lines, plain.lines);
      EXPECT_EQ(r.fault, plain.fault);
      // The recorder the window's output goes through reads the same lines and entries; a reused
      // record keeps nothing of earlier presses.
      LineRecorder recorder;
      PressInto(*desc, FieldTexts(texts), recorder, false);
      ASSERT_EQ(recorder.lines(), r.printed);
      EXPECT_EQ(EntriesOf(recorder.lines()), r.entries);
      PressEntriesInto(*desc, FieldTexts(texts), reused);
      ASSERT_EQ(reused.lines(), r.lines);
      EXPECT_EQ(EntriesOf(reused), r.entries);
      std::vector<std::size_t> rowLines;
      for (const Entry& e : r.entries) {
        if (e.headingLine != kNoLine) {
          const PrintedLine& h = r.printed[e.headingLine];
          EXPECT_TRUE(h.kind == Kind::Heading || !h.open.empty());
        }
        for (const EntryRow& row : e.rows) {
          ASSERT_LT(row.line, r.lines.size());
          std::string heading = row.line == e.headingLine ? e.heading : "";
          EXPECT_EQ(heading + row.caption + (row.amount ? FormatAmount(*row.amount) : ""), r.lines[row.line]);
          EXPECT_EQ(SplitSide(row.caption).account, row.account);
          rowLines.push_back(row.line);
        }
      }
      std::vector<std::size_t> journalLines;
      for (std::size_t i = 0; i < r.printed.size(); ++i) {
        if (r.printed[i].kind == Kind::Journal) journalLines.push_back(i);
        // Read back, an amount is what was printed: its 15 significant digits.
        PrintedLine parsed = ParseLine(r.lines[i]);
        if (r.printed[i].open.empty() &&
            (parsed.kind != r.printed[i].kind || parsed.text != r.printed[i].text ||
             parsed.Render() != r.lines[i])) {
          ADD_FAILURE() << "read back differently: " << r.lines[i];
        }
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
