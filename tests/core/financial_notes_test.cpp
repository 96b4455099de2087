// Cash, bank-deposit and note windows: printed entries, groups shown only for strictly positive
// amounts, blank lines between groups, and which lines stay when a figure overflows.
#include <gtest/gtest.h>

#include <optional>

#include "core/layout/layout.h"
#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Inputs;
using testing::Lines;
using testing::PressWindow;
using testing::With;

struct Case {
  const char* what;
  Inputs in;
  Lines lines;  // every printed line
};

struct FaultCase {
  const char* what;
  Inputs in;
  size_t kept;       // lines that stay printed
  std::string last;  // the last of them ("" for a blank line or none)
};

void CheckCases(const char* window, const std::vector<Case>& cases) {
  for (const Case& c : cases) testing::ExpectLines(window, c.in, c.lines, c.what);
}

void CheckFaults(const char* window, const std::vector<FaultCase>& cases) {
  for (const FaultCase& c : cases) testing::ExpectFault(window, c.in, c.kept, c.last, c.what);
}

TEST(Form4, BillWithInterest) {
  CheckCases("Form4",
             {{"interest to year end and to maturity",
               {{1, "1200"}, {2, "0.1"}, {3, "6"}, {4, "3"}},
               {"汇票", "收到时", "应收票据（借） 1200 ", "应收账款（贷） 1200 ", "", "年终时",
                "应收票据（借） 1230 ", "应收账款（贷） 1230 ", "", "商业承兑汇票后", "银行存款（借） 1260 ",
                "应收票据（贷） 1260 "}},
              {"empty fields",
               {},
               {"汇票", "收到时", "应收票据（借） 0 ", "应收账款（贷） 0 ", "", "年终时", "应收票据（借） 0 ",
                "应收账款（贷） 0 ", "", "商业承兑汇票后", "银行存款（借） 0 ", "应收票据（贷） 0 "}}});
  CheckFaults("Form4", {{"interest overflows", {{1, "1e300"}, {2, "1e300"}, {4, "1"}}, 1, "汇票"}});
}

const Lines kCashOver = {"现金盘盈",
                         "库存现金（借） 50 ",
                         "待处理财产损溢-待处理流动资产损溢（贷） 50 ",
                         "",
                         "处理后",
                         "待处理财产损溢-待处理流动资产损溢（借） 50 ",
                         "营业外收入-现金溢余（贷） 50 "};
const Lines kCashShort = {"现金盘亏",
                          "待处理财产损溢-待处理流动资产损溢（借） 100 ",
                          "库存现金（贷） 100 ",
                          "",
                          "经批准后",
                          "管理费用-现金短缺（借） 70 ",
                          "其他应收款（借） 30 ",
                          "待处理财产损溢-待处理流动资产损溢（贷） 100 ",
                          "",
                          "收到出纳赔款",
                          "库存现金（借） 30 ",
                          "其他应收款-出纳（贷） 30 "};

TEST(Form10, CashOverAndShort) {
  Lines both = kCashOver;
  both.insert(both.end(), kCashShort.begin(), kCashShort.end());
  Inputs full{{1, "50"}, {2, "100"}, {3, "30"}};
  CheckCases("Form10", {{"both groups, no blank between", full, both},
                        {"over only", {{1, "50"}, {3, "30"}}, kCashOver},
                        {"short only", {{2, "100"}, {3, "30"}}, kCashShort},
                        {"zero over", With(full, {{1, "0"}}), kCashShort},
                        {"negative over", With(full, {{1, "-50"}}), kCashShort},
                        {"zero short", With(full, {{2, "0"}}), kCashOver},
                        {"negative short", With(full, {{2, "-1"}}), kCashOver},
                        {"empty", {}, {}}});
  CheckFaults("Form10",
              {{"write-off overflows", {{1, "50"}, {2, "1.7e308"}, {3, "-1.7e308"}}, 12, "经批准后"}});
}

TEST(Form11, OutOfTownPurchase) {
  Lines purchase = {"商品未验收",
                    "在途物资（借） 1050 ",
                    "应交税费-应交增值税（借） 130 ",
                    "其他货币资金-外埠存款（贷） 1180 ",
                    "",
                    "验收入库",
                    "库存商品（借） 1050 ",
                    "在途物资（贷） 1050 ",
                    "",
                    "收回款项",
                    "银行存款（借） 1180 ",
                    "其他货币资金-外埠存款（贷） 1180 ",
                    ""};
  Lines remit = {"汇款", "其他货币资金-外埠存款（借） 500 ", "银行存款（贷） 500 "};
  Lines both = purchase;
  both.insert(both.end(), remit.begin(), remit.end());
  Inputs full{{1, "1000"}, {2, "130"}, {3, "50"}, {4, "500"}};
  CheckCases("Form11", {{"both groups", full, both},
                        {"goods only, trailing blank", With(full, {{4, ""}}), purchase},
                        {"remittance only", {{4, "500"}}, remit},
                        {"zero goods", With(full, {{1, "0"}}), remit},
                        {"negative remittance", With(full, {{4, "-500"}}), purchase},
                        {"empty", {}, {}}});
  CheckFaults("Form11", {{"cost overflows", {{1, "1e308"}, {3, "1e308"}, {4, "500"}}, 0, ""}});
}

TEST(Form12, BankBillAndCashiersOrder) {
  Lines purchase = {"外埠采购", "材料费用（借） 1000 ", "应交税金-应交增值税（进）（借） 130 ",
                    "其他货币资金（贷） 1130 ", ""};
  auto instrument = [](const char* heading, const char* deposit, const char* amount, const char* withInterest,
                       const char* interest) {
    std::string a = amount, y = withInterest;
    return Lines{heading,
                 std::string(deposit) + " " + a + " ",
                 "银行存款（贷） " + a + " ",
                 "",
                 "收到票据",
                 "银行存款（借） " + y + " ",
                 "应收票据（贷） " + a + " ",
                 std::string("财务费用（贷） ") + interest + " ",
                 "",
                 "未收到账款",
                 "应收账款（借） " + y + " ",
                 "银行存款（贷） " + y + " "};
  };
  Lines bill = instrument("银行汇票", "其他货币资金-银行汇票（借）", "1000", "1010", "10");
  Lines order = instrument("银行本票", "其他货币资金-银行本票（借）", "2000", "2020", "20");
  Lines all = purchase;
  all.insert(all.end(), bill.begin(), bill.end());
  all.insert(all.end(), order.begin(), order.end());  // no blank line before the order
  Inputs full{{1, "1000"}, {2, "130"},  {3, "1000"}, {5, "0.036"},
              {6, "100"},  {4, "2000"}, {7, "0.09"}, {8, "40"}};
  Lines noPurchase(all.begin() + 5, all.end());
  CheckCases("Form12", {{"all groups", full, all},
                        {"materials without tax", With(full, {{2, ""}}), noPurchase},
                        {"tax without materials", With(full, {{1, "0"}}), noPurchase},
                        {"order only", {{4, "2000"}, {7, "0.09"}, {8, "40"}}, order},
                        {"bill only", {{3, "1000"}, {5, "0.036"}, {6, "100"}}, bill},
                        {"negative bill", {{3, "-1000"}}, {}},
                        {"empty", {}, {}}});
  CheckFaults("Form12", {{"purchase total overflows", {{1, "1e308"}, {2, "1e308"}}, 1, "外埠采购"},
                         {"bill interest overflows", {{3, "1e300"}, {5, "1e300"}, {6, "1e300"}}, 4, ""}});
}

TEST(Form12, CashiersOrderColumnStaysOutOfTheOutput) {
  WindowLayout layout = LayoutTopic(*FindTopic("Form12"));
  const Control *order = nullptr, *bill = nullptr;
  for (const Control& c : layout.controls) {
    EXPECT_FALSE(c.rect.intersects(layout.output)) << c.caption;
    if (c.caption == "申请本票") order = &c;
    if (c.caption == "申请汇票") bill = &c;
  }
  ASSERT_NE(order, nullptr);
  ASSERT_NE(bill, nullptr);
  EXPECT_LT(order->rect.x, bill->rect.x);
  EXPECT_EQ(order->rect.y, bill->rect.y);
}

TEST(Form13, LetterOfCreditAndCard) {
  Lines letter = {"信用证回单",
                  "其他货币资金-信用证保证金（借） 1400 ",
                  "银行存款-外币存款（贷） 1400 ",
                  "",
                  "手续费",
                  "财务费用-银行手续费（借） 50 ",
                  "银行存款（贷） 50 ",
                  "",
                  "进口材料",
                  "在途物资（借） 7000 ",
                  "其他货币资金-信用证保证金（贷） 1400 ",
                  "银行存款-外币存款（贷） 5600 "};
  Lines card = {"信用卡存款",
                "其他货币资金-信用卡存款（借） 500 ",
                "银行存款（贷） 500 ",
                "",
                "信用卡消费",
                "管理费用-业务招待费（借） 40 ",
                "其他货币资金-信用卡存款（贷） 40 "};
  Lines both = letter;
  both.insert(both.end(), card.begin(), card.end());
  Inputs full{{1, "1000"}, {2, "200"}, {3, "7"}, {4, "50"}, {5, "500"}, {6, "40"}};
  CheckCases("Form13", {{"both groups, no blank between", full, both},
                        {"zero letter", With(full, {{1, "0"}}), card},
                        {"negative deposit", With(full, {{5, "-500"}}), letter},
                        {"spending alone prints nothing", {{6, "40"}}, {}}});
  CheckFaults("Form13", {{"letter in yuan overflows", {{1, "1e300"}, {3, "1e300"}}, 8, ""}});
}

TEST(Form14, DiscountGainOrLoss) {
  auto entries = [](const char* proceeds, const char* cost, const char* face) {
    std::string n = proceeds;
    return Lines{"票据贴现",
                 "银行存款（借） " + n + " ",
                 cost,
                 std::string("应收票据（贷） ") + face + " ",
                 "",
                 "若银行无力支付票据",
                 "应收账款（借） " + n + " ",
                 "银行存款（贷） " + n + " ",
                 "",
                 "若付款人无力支付利息",
                 "应收账款（借） " + n + " ",
                 "短期借款（贷） " + n + " "};
  };
  Inputs note{{1, "10000"}, {2, "90"}, {3, "0.08"}, {4, "0.1"}, {5, "30"}};
  CheckCases("Form14", {{"gain credited", note, entries("10030", "财务费用（贷） 30 ", "10000")},
                        {"loss debited as positive", With(note, {{4, "0.3"}}),
                         entries("9690", "财务费用（借） 310 ", "10000")},
                        {"no interest, no discount: zero is a credit",
                         {{1, "500"}},
                         entries("500", "财务费用（贷） 0 ", "500")},
                        {"empty", {}, entries("0", "财务费用（贷） 0 ", "0")}});
  CheckFaults("Form14", {{"maturity value overflows", {{1, "1e300"}, {2, "1"}, {3, "1e300"}}, 0, ""}});
}

TEST(Form15, InterestBearingNoteReceived) {
  CheckCases("Form15",
             {{"six-month note",
               {{1, "12000"}, {2, "6"}, {3, "10000"}, {4, "1300"}, {5, "0.06"}},
               {"取得票据", "应收票据（借） 12000 ", "主营业务收入（贷） 10000 ",
                "应交税费-应交增值税（销）（贷） 1300 ", "", "应收票据（借） 60 ", "财务费用（贷） 60 ", "",
                "据本付息时", "银行存款（借） 12360 ", "应收票据（贷） 12300 ", "财务费用（贷） 60 ", "",
                "若不带利息", "银行存款（借） 12000 ", "应收票据（贷） 12000 "}}});
  CheckFaults("Form15", {{"monthly interest overflows", {{1, "1e300"}, {5, "1e300"}}, 5, ""},
                         {"maturity value overflows", {{1, "1e10"}, {2, "1e300"}, {5, "2"}}, 8, ""}});
}

TEST(Form77, NotePayable) {
  CheckCases("Form77", {{"six-month note",
                         {{1, "10000"}, {2, "6"}, {3, "8000"}, {4, "1040"}, {5, "0.06"}, {6, "5"}},
                         {"支付手续费",
                          "财务费用（借） 5 ",
                          "银行存款（贷） 5 ",
                          "",
                          "支付汇票",
                          "在途物资（借） 8000 ",
                          "应交税费-应交增值税（进）（借） 1040 ",
                          "应付票据（贷） 9040 ",
                          "",
                          "原材料入库",
                          "原材料（借） 8000 ",
                          "在途物资（贷） 8000 ",
                          "",
                          "到期支付本息",
                          "应付票据（借） 10000 ",
                          "财务费用-利息费用（借） 300 ",
                          "银行存款（贷） 10300 ",
                          "",
                          "若为不带息票据",
                          "应付票据（借） 10000 ",
                          "银行存款（贷） 10000 ",
                          "",
                          "若无力支付（无息）",
                          "应付票据（借） 10000 ",
                          "短期借款（贷） 10000 ",
                          "",
                          "若无力支付（商业带息）",
                          "应付票据（借） 10000 ",
                          "财务费用（借） 300 ",
                          "应付账款（贷） 10300 ",
                          "",
                          "若无力支付（银行带息）",
                          "应付票据（借） 10000 ",
                          "财务费用（借） 300 ",
                          "短期借款（贷） 10300 "}}});
  CheckFaults(
      "Form77",
      {{"note total overflows", {{3, "1e308"}, {4, "1e308"}}, 7, "应交税费-应交增值税（进）（借） 1E+308 "},
       {"interest overflows", {{1, "1e300"}, {2, "1"}, {5, "1e300"}}, 14, "到期支付本息"},
       {"principal and interest overflow",
        {{1, "1.79e308"}, {2, "6"}, {5, "0.1"}},
        16,
        "财务费用-利息费用（借） 8.95E+306 "}});
}

TEST(Form79, ThreeGroupsWithoutBlanks) {
  Lines discount = {"票据贴现", "银行存款（借） 9880 ", "财务费用（借） 120 ", "应收票据（贷） 10000 "};
  Lines overdue = {"逾期贷款", "应收账款（借） 300 ", "短期借款（贷） 300 "};
  Lines deposit = {"票据存取贴现", "银行存款（借） 10115 ", "应收票据（贷） 10000 ", "财务费用（贷） 115 "};
  Lines all = discount;
  all.insert(all.end(), overdue.begin(), overdue.end());
  all.insert(all.end(), deposit.begin(), deposit.end());
  Inputs full{{1, "10000"}, {2, "0.006"}, {3, "60"}, {4, "300"}, {5, "10000"},
              {6, "0.08"},  {9, "90"},    {7, "30"}, {8, "0.1"}};
  Lines noDiscount(all.begin() + 4, all.end());
  Lines firstTwo(all.begin(), all.begin() + 7);
  Lines noOverdue = discount;
  noOverdue.insert(noOverdue.end(), deposit.begin(), deposit.end());
  CheckCases("Form79", {{"all groups", full, all},
                        {"zero face", With(full, {{1, "0"}}), noDiscount},
                        {"zero monthly rate", With(full, {{2, "0"}}), noDiscount},
                        {"negative days", With(full, {{3, "-60"}}), noDiscount},
                        {"no overdue loan", With(full, {{4, ""}}), noOverdue},
                        {"second face empty", With(full, {{5, ""}}), firstTwo},
                        {"annual rate zero", With(full, {{6, "0"}}), firstTwo},
                        {"deposit days empty, term given", With(full, {{7, ""}}), firstTwo},
                        {"discount rate negative", With(full, {{8, "-0.1"}}), firstTwo},
                        {"term not tested",
                         With(full, {{9, ""}}),
                         {all[0], all[1], all[2], all[3], all[4], all[5], all[6], "票据存取贴现",
                          "银行存款（借） 9916.66666666667 ", "应收票据（贷） 10000 ",
                          "财务费用（贷）-83.3333333333339 "}},
                        {"empty", {}, {}}});
  CheckFaults("Form79",
              {{"first discount overflows", {{1, "1e308"}, {2, "10"}, {3, "60"}, {4, "300"}}, 0, ""},
               {"second note overflows", With(full, {{5, "1e308"}}), 7, "短期借款（贷） 300 "}});
}

}  // namespace
}  // namespace varnello
