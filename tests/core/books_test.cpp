// Account codes and vouchers: every printed account has a code, captions reach the right account
// and detail, a user's chart takes over, and entries become balanced vouchers or are refused.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/accounts/chart.h"
#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/practice/printed_accounts.h"
#include "core/record_helper.h"
#include "core/vouchers/voucher.h"
#include "core/vouchers/voucher_layout.h"

namespace varnello {
namespace {

TEST(Accounts, EveryAccountAnyWindowPrintsHasAStandardCode) {
  std::vector<PrintedAccount> printed = PrintedAccounts();
  // Sanity of the sweep itself: it sees the windows' accounts, not a handful.
  ASSERT_GT(printed.size(), 150u);
  for (const PrintedAccount& a : printed) {
    std::optional<AccountCode> code = Chart::Standard().Find(a.account);
    ASSERT_TRUE(code) << a.account << " printed by " << a.windows.front();
    EXPECT_EQ(code->generalCode.size(), 4u) << a.account;
    EXPECT_EQ(Chart::Standard().accounts().at(code->generalCode), code->general) << a.account;
  }
}

TEST(Accounts, StandardChartHasOneNamePerCodeAndOneCodePerName) {
  std::set<std::string> names;
  for (const auto& [code, name] : Chart::Standard().accounts()) {
    EXPECT_EQ(code.size(), 4u) << code;
    EXPECT_TRUE(names.insert(name).second) << name;
    EXPECT_EQ(Chart::Standard().Find(name)->code, code) << name;
  }
}

TEST(Accounts, CaptionsReachTheirAccountAndDetail) {
  struct Case {
    const char* caption;
    const char* code;
    const char* general;
    const char* detail;
  };
  const Case cases[] = {
      {"交易性金融资产-成本", "1101", "交易性金融资产", "成本"},
      {"应交税金", "2221", "应交税费", ""},
      {"应交税金-应交营业税", "2221", "应交税费", "应交营业税"},
      {"应交增值税（进）", "2221", "应交税费", "应交增值税（进）"},
      {"应交税费 - 应交增值税(转出未交)", "2221", "应交税费", "应交增值税(转出未交)"},
      {"长期债券投资（面值）", "1501", "持有至到期投资", "面值"},
      {"周转材料-包装物（在库）", "1411", "周转材料", "包装物（在库）"},
      {"库存现金/银行存款", "1001", "库存现金", ""},
      {"营业税金及附加", "6403", "税金及附加", ""},
      {"未分配利润总", "4104", "利润分配", "未分配利润"},
      {"出租商品-摊销", "1405", "库存商品", "出租商品-摊销"},
  };
  for (const Case& c : cases) {
    std::optional<AccountCode> code = Chart::Standard().Find(c.caption);
    ASSERT_TRUE(code) << c.caption;
    EXPECT_EQ(code->code, c.code) << c.caption;
    EXPECT_EQ(code->general, c.general) << c.caption;
    EXPECT_EQ(code->detail, c.detail) << c.caption;
  }
  EXPECT_FALSE(Chart::Standard().Find("入账价值"));
  EXPECT_FALSE(Chart::Standard().Find(""));
}

TEST(Accounts, UserChartGivesDetailsItsCodesAndRenames) {
  std::string error;
  std::optional<Chart> chart = Chart::WithUserCsv(
      "\xEF\xBB\xBF科目编码,科目名称\r\n1001,现金\r\n110101,交易性金融资产-成本\r\n\"222101\",\"应交税费_"
      "应交营业税\"\r\n"
      "22210101,\"税额, 本期\"\r\n",
      &error);
  ASSERT_TRUE(chart) << error;
  AccountCode stock = *chart->Find("交易性金融资产-成本");
  EXPECT_EQ(stock.code, "110101");
  EXPECT_EQ(stock.name, "交易性金融资产-成本");
  EXPECT_EQ(stock.generalCode, "1101");
  EXPECT_EQ(chart->Find("应交税金-应交营业税")->code, "222101");
  EXPECT_EQ(chart->Find("应交税金-应交营业税-税额, 本期")->code, "22210101");
  // A detail the user's chart lacks stays with the deepest account found.
  AccountCode other = *chart->Find("应交税费-应交所得税");
  EXPECT_EQ(other.code, "2221");
  EXPECT_EQ(other.name, "应交税费-应交所得税");
  // The user's own name for a standard code, reached by either name.
  EXPECT_EQ(chart->Find("库存现金")->name, "现金");
  EXPECT_EQ(chart->Find("现金")->code, "1001");

  EXPECT_FALSE(Chart::WithUserCsv("1001,现金\nabc,银行\n", &error));
  EXPECT_NE(error.find("第 2 行"), std::string::npos) << error;
  EXPECT_FALSE(Chart::WithUserCsv("1001,\n", &error));
  EXPECT_NE(error.find("缺少科目名称"), std::string::npos) << error;
}

Entry MakeEntry(std::string heading, std::vector<std::pair<Side, double>> rows) {
  Entry e;
  e.heading = std::move(heading);
  for (const auto& [side, amount] : rows) e.rows.push_back({"银行存款", side, amount, "", kNoLine});
  return e;
}

TEST(Vouchers, BuyingSharesBooksEachBalancedEntryWithCodes) {
  const TopicDesc* desc = FindTopic(*WindowId::Parse("Form6"));
  const std::map<int, std::string> figures = {{1, "10"}, {2, "0.5"}, {3, "1000"}, {4, "50"}};
  testing::PressedEntries press = testing::PressEntries(*desc, FieldTexts(figures));
  VoucherOptions options;
  options.firstNumber = 7;
  VoucherSet set = VouchersOf(press.entries, Chart::Standard(), options, "买股票");
  EXPECT_TRUE(set.refused.empty());
  std::vector<std::string> booked;
  for (const Voucher& v : set.vouchers) {
    booked.push_back(std::to_string(v.number) + " " + v.summary);
    for (const VoucherLine& l : v.lines) {
      booked.push_back(l.account.code + " " + l.account.name + " " + FenText(l.debit) + " " +
                       FenText(l.credit));
    }
  }
  const std::vector<std::string> expected = {
      "7 购入股票",  // the figure 入账价值 has no side: not a voucher line
      "1101 交易性金融资产-成本 9550.00 0.00",
      "6111 投资收益 500.00 0.00",
      "1002 银行存款 0.00 10050.00",
      "8 购入",  // 短期持有股票 is a heading alone: no voucher
      "1101 交易性金融资产-股票投资 10050.00 0.00",
      "1002 银行存款 0.00 10050.00",  // 银行贷款 as printed: the bank pays for the shares
      "9 分配股利",
      "1131 应收股利 500.00 0.00",
      "6111 投资收益-股票投资 0.00 500.00",
      "10 收到股利",
      "1002 银行存款 500.00 0.00",
      "1131 应收股利 0.00 500.00",
  };
  EXPECT_EQ(booked, expected);
}

TEST(Vouchers, UnbalancedEntriesAreRefusedAndRoundingIsEvenedOut) {
  std::vector<Entry> entries = {
      MakeEntry("不平", {{Side::Debit, 100}, {Side::Credit, 90}}),
      // Each third rounds down to 33.33; the credit rounds up to 100.00.
      MakeEntry("三分", {{Side::Debit, 100.0 / 3},
                         {Side::Debit, 100.0 / 3},
                         {Side::Debit, 100.0 / 3},
                         {Side::Credit, 100}}),
      MakeEntry("零", {{Side::Debit, 0}, {Side::Credit, 0}}),
      MakeEntry("负", {{Side::Debit, -50}, {Side::Credit, -50}}),
      MakeEntry("单边", {{Side::Credit, 20}}),
      MakeEntry("余额", {{Side::Debit, -50}}),
  };
  // A line stating a balance posts nothing: neither a voucher nor a refusal.
  entries.back().rows[0].balanceLine = true;
  VoucherSet set = VouchersOf(entries, Chart::Standard(), {}, "");
  ASSERT_EQ(set.refused.size(), 2u);
  EXPECT_EQ(set.refused[0].heading, "不平");
  EXPECT_EQ(set.refused[0].reason, "借贷不平：借方合计 100，贷方合计 90");
  EXPECT_EQ(set.refused[1].heading, "单边");
  ASSERT_EQ(set.vouchers.size(), 2u);
  const Voucher& thirds = set.vouchers[0];
  EXPECT_EQ(thirds.number, 1);
  EXPECT_EQ(thirds.debit, 10000);
  EXPECT_EQ(thirds.credit, 10000);
  std::int64_t sum = 0;
  for (const VoucherLine& l : thirds.lines) sum += l.debit;
  EXPECT_EQ(sum, 10000);
  EXPECT_EQ(set.vouchers[1].summary, "负");
  EXPECT_EQ(set.vouchers[1].debit, -5000);
  EXPECT_EQ(FenText(-5), "-0.05");
}

TEST(Vouchers, ImportCsvAndPagesHoldEveryVoucher) {
  std::vector<Entry> entries(5, MakeEntry("收款", {{Side::Debit, 12.345}, {Side::Credit, 12.345}}));
  VoucherOptions options{"2026-12-08", "记", 3, 2, "张三"};
  VoucherSet set = VouchersOf(entries, Chart::Standard(), options, "");
  const std::string head =
      "\xEF\xBB\xBF日期,凭证字,凭证号,附单据数,摘要,科目代码,科目名称,借方金额,贷方金额,制单人\r\n"
      "2026-12-08,记,3,2,收款,1002,银行存款,12.35,,张三\r\n"
      "2026-12-08,记,3,2,收款,1002,银行存款,,12.35,张三\r\n"
      "2026-12-08,记,4,2,";
  EXPECT_TRUE(ImportCsv(set, options).starts_with(head)) << ImportCsv(set, options);
  for (int perPage : {1, 2, 3}) {
    std::vector<VoucherPage> pages = LayoutVouchers(set, options, {perPage, perPage == 3});
    EXPECT_EQ(pages.size(), static_cast<std::size_t>((5 + perPage - 1) / perPage)) << perPage;
    int totals = 0;
    for (const VoucherPage& page : pages) {
      for (const DrawnText& t : page.texts) {
        totals += t.text == "（大写）壹拾贰元叁角伍分";
        EXPECT_LE(t.y + t.h, kPageHeightMm) << t.text;
      }
    }
    EXPECT_EQ(totals, 5) << perPage;
  }
  EXPECT_FALSE(ParseVoucherDate("2026-02-29"));
  EXPECT_TRUE(ParseVoucherDate("2024-02-29"));
  EXPECT_FALSE(ParseVoucherDate("2026-1-8"));
}

}  // namespace
}  // namespace varnello
