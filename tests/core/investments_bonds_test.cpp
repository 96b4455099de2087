// Figures, guards, sign cases and fault points of the bond windows.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Lines;
using testing::PressWindow;
using Fields = testing::Inputs;

// The lines from the first `heading` up to, not including, the next blank line.
Lines Entry(const TextLines& lines, const std::string& heading) {
  auto from = std::find(lines.begin(), lines.end(), heading);
  return Lines(from, std::find(from, lines.end(), std::string()));
}

// Each press overflows and leaves `kept` lines printed.
void CheckFaults(const char* window, const std::vector<std::pair<Fields, size_t>>& cases) {
  for (const auto& [in, kept] : cases) testing::ExpectFault(window, in, kept);
}

TEST(Form35, PurchaseBothWaysAndFaults) {
  auto r = PressWindow("Form35", {{1, "10500"}, {2, "500"}, {3, "100"}, {4, "6"}, {5, "480"}});
  EXPECT_EQ(r.lines, (Lines{"购入债券",
                            "交易性金融资产-长期债券投资（借） 10000 ",
                            "应收利息（借） 500 ",
                            "投资收益（借） 100 ",
                            "应交税费（借） 6 ",
                            "其他货币资金（贷） 10606 ",
                            "",
                            "收到利息",
                            "其他货币资金（借） 480 ",
                            "应收利息（贷） 480 ",
                            "",
                            "或",
                            "",
                            "购买债券",
                            "短期投资-债券投资（借） 10100 ",
                            "应收利息（借） 500 ",
                            "银行存款（贷） 10600 ",
                            "",
                            "收到利息",
                            "银行存款（借） 500 ",
                            "应收利息（贷） 500 "}));
  CheckFaults("Form35", {{{{1, "1e308"}, {2, "-1e308"}}, 1},  // A - I
                         {{{3, "1e308"}, {4, "1e308"}}, 5},   // total paid
                         {{{1, "0.9e308"}, {2, "-0.5e308"}, {3, "0.5e308"}}, 14}});
}

TEST(Form36, BlocksByPurchasePrice) {
  const Lines bond{"购买债券",
                   "短期投资-债券投资（借） 960 ",
                   "应收利息（借） 50 ",
                   "银行存款（贷） 1010 ",
                   "",
                   "出售债券",
                   "银行存款（借） 895 ",
                   "短期投资-债券投资（贷） 960 ",
                   "投资收益-债券投资收益（贷）-65 "};
  const Lines shares{"购买股票",
                     "短期投资-股票投资（借） 2015 ",
                     "应收股利（借） 100 ",
                     "银行存款（贷） 2115 ",
                     "",
                     "出售股票",
                     "银行存款（借） 2480 ",
                     "短期投资-股票投资（贷） 2015 ",
                     "投资收益-股票投资收益（贷） 465 "};
  Fields both{{1, "1000"}, {2, "50"},  {3, "10"}, {4, "900"},  {5, "5"},
              {6, "2100"}, {7, "100"}, {8, "15"}, {9, "2500"}, {10, "20"}};
  Lines sharesThenBond = shares;
  sharesThenBond.insert(sharesThenBond.end(), bond.begin(), bond.end());
  EXPECT_EQ(PressWindow("Form36", both).lines, sharesThenBond);
  EXPECT_TRUE(PressWindow("Form36", {}).lines.empty());
  // A purchase price of zero or below suppresses its block.
  for (const char* price : {"0", "-1"}) {
    Fields in = both;
    in[6] = price;
    EXPECT_EQ(PressWindow("Form36", in).lines, bond) << price;
    in = both;
    in[1] = price;
    EXPECT_EQ(PressWindow("Form36", in).lines, shares) << price;
  }
  CheckFaults("Form36", {{{{6, "1e308"}, {7, "-1e308"}}, 1},              // K
                         {{{1, "5"}, {4, "1e308"}, {5, "-1e308"}}, 6},    // E, after "出售债券"
                         {{{6, "1"}, {1, "1e308"}, {3, "1e308"}}, 10}});  // bond block after shares
}

TEST(Form37, SaleSignCases) {
  // N = 1000; E = B - N, H = S - B; the lines after the bank debit.
  struct Case {
    const char *B, *S;
    Lines after;
  } cases[] = {
      {"1100",
       "1150",
       {"交易性金融资产-债券成本（贷） 1000 ", "交易性金融资产-公允价值变动（贷） 100 ",
        "投资收益（贷） 50 "}},
      {"1100",
       "1080",
       {"投资收益（借） 20 ", "交易性金融资产-债券成本（贷） 1000 ",
        "交易性金融资产-公允价值变动（贷） 100 "}},
      {"900",
       "950",
       {"交易性金融资产-公允价值变动（借） 100 ", "交易性金融资产-债券成本（贷） 1000 ",
        "投资收益（贷） 50 "}},
      {"900",
       "880",
       {"交易性金融资产-公允价值变动（借） 100 ", "投资收益（借） 20 ",
        "交易性金融资产-债券成本（贷） 1000 "}},
      {"1000", "1050", {"交易性金融资产-债券成本（贷） 1000 ", "投资收益（贷） 50 "}},
      {"1000", "990", {"投资收益（借） 10 ", "交易性金融资产-债券成本（贷） 1000 "}},
      {"1000", "1000", {"交易性金融资产-债券成本（贷） 1000 "}},
      {"1100", "1100", {"交易性金融资产-债券成本（贷） 1000 ", "交易性金融资产-公允价值变动（贷） 100 "}},
      {"900", "900", {"交易性金融资产-公允价值变动（借） 100 ", "交易性金融资产-债券成本（贷） 1000 "}},
  };
  for (const Case& c : cases) {
    Lines want{"出售债券", "银行存款（借） " + std::string(c.S) + " "};
    want.insert(want.end(), c.after.begin(), c.after.end());
    EXPECT_EQ(Entry(PressWindow("Form37", {{4, "1000"}, {9, c.S}, {10, c.B}}).lines, "出售债券"), want)
        << c.B << " " << c.S;
  }
}

TEST(Form37, InterestFairValueAndFaults) {
  auto r = PressWindow("Form37", {{1, "1050"},
                                  {2, "30"},
                                  {3, "20"},
                                  {4, "1000"},
                                  {5, "0.06"},
                                  {6, "2"},
                                  {7, "1100"},
                                  {8, "5"},
                                  {9, "1080"},
                                  {10, "1050"}});
  EXPECT_EQ(
      Lines(r.lines.begin(), r.lines.begin() + 14),
      (Lines{"购入债券", "交易性金融资产-债券成本（借） 1000 ", "应收利息（借） 30 ", "投资收益（借） 20 ",
             "银行存款（贷） 1050 ", "", "收到利息", "银行存款（借） 30 ", "应收利息（贷） 30 ", "",
             "公允价值变动", "交易性金融资产-公允价值变动（借） 50 ", "公允价值变动损益（贷） 50 ", ""}));
  EXPECT_EQ(r.lines.back(), "债券总利息 300 ");
  for (const char* m : {"", "0", "-2"}) {
    EXPECT_EQ(Entry(PressWindow("Form37", {{4, "1000"}, {5, "0.06"}, {6, m}}).lines, "收到利息"),
              Lines{"收到利息"});
  }
  EXPECT_EQ(Entry(PressWindow("Form37", {{7, "950"}, {10, "1000"}}).lines, "公允价值变动"),
            (Lines{"公允价值变动", "公允价值变动损益（借） 50 ", "交易性金融资产-公允价值变动（贷） 50 "}));
  EXPECT_EQ(Entry(PressWindow("Form37", {{7, "1000"}, {10, "1000"}}).lines, "公允价值变动"),
            Lines{"公允价值变动"});
  CheckFaults("Form37", {{{{4, "1e300"}, {5, "1e300"}, {6, "1"}}, 7},  // coupon, after "收到利息"
                         {{{7, "1e308"}, {10, "-1e308"}}, 9},          // D, after "公允价值变动"
                         {{{4, "-1e308"}, {10, "1e308"}}, 12},         // E, before "出售债券"
                         {{{4, "1e300"}, {5, "0.05"}, {8, "1e300"}}, 16}});
}

TEST(Form41, PremiumDiscountAndTerm) {
  // Premium: Z = 1000 - 1120 = -120, amortised 30 a year.
  auto premium = PressWindow("Form41", {{1, "1000"}, {2, "1100"}, {3, "20"}, {4, "0.05"}, {5, "4"}});
  EXPECT_EQ(
      premium.lines,
      (Lines{"购入债券", "长期债权投资（面值）（借） 1000 ", "长期债权投资（溢折价）(借) 120 ",
             "银行存款（贷） 1120 ", "", "每年计提利息", "应收利息（借） 50 ", "投资收益（贷） 20 ",
             "长期债权投资（溢折价）（贷） 30 ", "", "每年收到利息", "银行存款（借） 50 ",
             "应收利息（贷） 50 ", "", "收回本金", "银行存款（借） 1000 ", "长期债权投资（面值） 1000 "}));
  // Discount: Z = 80, amortised 20 a year.
  auto discount = PressWindow("Form41", {{1, "1000"}, {2, "900"}, {3, "20"}, {4, "0.05"}, {5, "4"}});
  EXPECT_EQ(discount.lines[3], "长期债权投资（溢折价）(贷) 80 ");
  EXPECT_EQ(Entry(discount.lines, "每年计提利息"),
            (Lines{"每年计提利息", "应收利息（借） 50 ", "长期债权投资（溢折价）（借） 20 ",
                   "投资收益（贷） 70 "}));
  EXPECT_EQ(PressWindow("Form41", {{1, "1000"}, {2, "990"}, {3, "10"}}).lines[3],
            "长期债权投资（溢折价）(贷) 0 ");
  // No positive term: the purchase is followed directly by the repayment.
  for (const char* Y : {"", "0", "-4"}) {
    auto r = PressWindow("Form41", {{1, "1000"}, {2, "1100"}, {5, Y}});
    EXPECT_EQ(Lines(r.lines.begin() + 4, r.lines.end()),
              (Lines{"", "收回本金", "银行存款（借） 1000 ", "长期债权投资（面值） 1000 "}))
        << Y;
  }
  CheckFaults("Form41", {{{{2, "1e308"}, {3, "1e308"}}, 2},            // cost
                         {{{1, "1e300"}, {4, "1e300"}, {5, "1"}}, 4},  // interest, before the blank
                         {{{2, "1e308"}, {5, "1e-300"}}, 4}});         // amortisation
}

TEST(Form42, MonthsAndUncomputedFigures) {
  // Discount Z = 40 over 8 months, 2 amortised: A = 10; the interest is not scaled by months.
  auto r = PressWindow("Form42", {{1, "1000"}, {2, "950"}, {3, "10"}, {4, "0.05"}, {5, "8"}, {6, "2"}});
  EXPECT_EQ(r.lines, (Lines{"购入债券", "长期债权投资（面值）（借） 1000 ", "银行存款（贷） 960 ",
                            "长期债权投资（溢折价）(贷) 40 ", "", "计提利息", "应收利息（借） 50 ",
                            "长期债券投资（溢折价）（借） 10 ", "投资收益（贷） 60 ", "", "收到利息",
                            "银行存款（借） 50 ", "应收利息（贷） 50 "}));
  auto premium = PressWindow("Form42", {{1, "1000"}, {2, "1080"}, {4, "0.05"}, {5, "8"}, {6, "2"}});
  EXPECT_EQ(Entry(premium.lines, "计提利息"), (Lines{"计提利息", "应收利息（借） 50 ", "投资收益（贷） 30 ",
                                                     "长期债券投资（溢折价）（贷） 20 "}));
  // No positive remaining term: the figures stay uncomputed and print as captions alone.
  for (const char* M : {"", "0", "-8"}) {
    auto u = PressWindow("Form42", {{1, "1000"}, {2, "1080"}, {4, "0.05"}, {5, M}, {6, "2"}});
    EXPECT_EQ(u.fault, std::nullopt);
    EXPECT_EQ(Lines(u.lines.begin() + 4, u.lines.end()),
              (Lines{"", "计提利息", "应收利息（借）", "投资收益（贷）", "", "收到利息", "银行存款（借）",
                     "应收利息（贷）"}))
        << M;
  }
  CheckFaults("Form42", {{{{1, "1e300"}, {5, "1"}, {6, "1e300"}}, 4}, {{{2, "1e308"}, {3, "1e308"}}, 2}});
}

TEST(Form43, TransferCases) {
  // 10 bonds of face 100 (X2 = 1000), no fees, 5-year term, held 2 years.
  struct Case {
    const char *price, *S;
    Lines transfer;  // after the blank line that follows "收到利息"
  } cases[] = {
      // Premium Z = 60, A = 12, W = 36.
      {"106",
       "1100",
       {"银行存款（借） 1100 ", "投资收益（贷） 64 ", "长期债券投资（面值）（贷） 1000 ",
        "长期债券投资（溢折价）（贷） 36 "}},
      {"106",
       "1020",
       {"银行存款（借） 1020 ", "投资收益（借） 16 ", "长期债券投资（面值）（贷） 1000 ",
        "长期债券投资（溢折价）（贷） 36 "}},
      // Discount Z = -50, A = -10, W = -30.
      {"95",
       "1000",
       {"银行存款（借） 1000 ", "长期债券投资（溢折价）（借） 30 ", "投资收益（贷） 30 ",
        "长期债券投资（面值）（贷） 1000 "}},
      {"95",
       "960",
       {"银行存款（借） 960 ", "长期债券投资（溢折价）（借） 30 ", "投资收益（借） 10 ",
        "长期债券投资（面值）（贷） 1000 "}},
      {"106", "1036", {}},  // L = 0
      {"100", "1200", {}},  // W = 0
  };
  for (const Case& c : cases) {
    auto r = PressWindow("Form43",
                         {{1, "10"}, {2, "100"}, {3, c.price}, {5, "0.05"}, {6, "5"}, {7, c.S}, {8, "2"}});
    auto interest = std::find(r.lines.begin(), r.lines.end(), "收到利息");
    ASSERT_LE(interest + 4, r.lines.end());
    EXPECT_EQ(Lines(interest + 4, r.lines.end()), c.transfer) << c.price << " " << c.S;
  }
}

TEST(Form43, PurchaseInterestAndTerm) {
  auto r = PressWindow("Form43", {{1, "10"}, {2, "100"}, {3, "105"}, {4, "10"}, {5, "0.05"}, {6, "5"}});
  EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 13),
            (Lines{"购入债券", "长期债权投资-面值(借) 1000 ", "长期债权投资-溢折价（借） 60 ",
                   "银行存款（贷） 1060 ", "", "计提利息", "应收利息（借） 50 ", "长期债权投资（贷） 12 ",
                   "投资收益（贷） 38 ", "", "收到利息", "银行存款（借） 50 ", "投资收益（贷） 50 "}));
  auto d = PressWindow("Form43", {{1, "10"}, {2, "100"}, {3, "95"}, {5, "0.05"}, {6, "5"}});
  EXPECT_EQ(d.lines[3], "长期债权投资-溢折价（贷） 50 ");
  EXPECT_EQ(d.lines[7], "长期债权投资（借） 10 ");
  // No positive term: no interest block, interest captions alone, and W = Z.
  for (const char* Y : {"", "0", "-5"}) {
    auto u = PressWindow("Form43", {{1, "10"}, {2, "100"}, {3, "106"}, {6, Y}, {7, "1100"}, {8, "2"}});
    EXPECT_EQ(
        Lines(u.lines.begin() + 4, u.lines.end()),
        (Lines{"", "", "收到利息", "银行存款（借）", "投资收益（贷）", "", "银行存款（借） 1100 ",
               "投资收益（贷） 40 ", "长期债券投资（面值）（贷） 1000 ", "长期债券投资（溢折价）（贷） 60 "}))
        << Y;
  }
  CheckFaults("Form43", {{{{1, "1e300"}, {3, "1e300"}}, 1},                         // X1
                         {{{1, "1"}, {2, "1e300"}, {5, "1e300"}, {6, "1"}}, 6},     // J, after "计提利息"
                         {{{1, "1"}, {3, "1e308"}, {6, "1e-300"}}, 6},              // A
                         {{{1, "1"}, {3, "1e300"}, {6, "1"}, {8, "1e300"}}, 14}});  // A * t
}

TEST(Form44, OpenTextAndLoss) {
  auto r = PressWindow("Form44", {{1, "0.05"}, {2, "1000"}, {3, "5"}, {4, "2"}, {5, "800"}});
  EXPECT_EQ(r.lines, (Lines{"购入债券", "长期债权投资（面值）（借） 1000 ", "银行存款（贷） 1000 ", "",
                            "计提利息", "长期债券投资（借） 50 ", "投资收益（贷） 50 ", "",
                            "收回债券银行存款（借） 800 ", "营业外支出-坏账损失（借） 350 ",
                            "长期债券投资（面值）（贷） 1000 ", "长期债券投资（利息）（贷） 150 "}));
  // X overflows after the open text, which stays alone on its line.
  auto x = PressWindow("Form44", {{1, "1"}, {2, "1"}, {3, "1e308"}, {4, "-1e308"}});
  EXPECT_EQ(x.fault, FaultKind::Overflow);
  EXPECT_EQ(x.lines.back(), "收回债券");
  CheckFaults("Form44",
              {{{{1, "1e300"}, {2, "1e300"}}, 4}, {{{1, "1"}, {2, "1"}, {3, "1e308"}, {4, "-1e308"}}, 9}});
}

}  // namespace
}  // namespace varnello
