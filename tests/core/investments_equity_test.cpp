// Figures, guards and fault points of the equity investment and contributed capital windows.
#include <gtest/gtest.h>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Lines;
using testing::PressWindow;
using Fields = testing::Inputs;

// A window pressed with some fields, and the lines expected from it.
struct Expect {
  Fields in;
  Lines lines;
};

// An overflowing press and how many lines it leaves printed.
struct FaultCase {
  Fields in;
  size_t kept;
};

void CheckAll(const char* window, const std::vector<Expect>& cases) {
  for (const Expect& c : cases) testing::ExpectLines(window, c.in, c.lines);
}

void CheckFaults(const char* window, const std::vector<FaultCase>& cases) {
  for (const FaultCase& c : cases) testing::ExpectFault(window, c.in, c.kept);
}

TEST(Form38, OutrightHoldingOnlyWhenPositive) {
  const Lines shares{
      "长期股权投资（借） 9700 ", "应收股利（借） 500 ", "银行存款（贷） 10200 ", "", "收到股利",
      "银行存款（借） 500 ",      "应收股利（贷） 500 "};
  const Fields in{{2, "1000"}, {3, "10"}, {4, "0.5"}, {5, "200"}};
  Lines withOutright{"长期股权投资（借） 5000 ", "银行存款（贷） 5000 "};
  withOutright.insert(withOutright.end(), shares.begin(), shares.end());
  Fields outright = in, zero = in, negative = in;
  outright[1] = "5000";
  zero[1] = "0";
  negative[1] = "-5000";
  CheckAll("Form38", {{outright, withOutright}, {in, shares}, {zero, shares}, {negative, shares}});
  CheckFaults("Form38", {{{{1, "1"}, {2, "1e300"}, {3, "1e300"}}, 2}});
}

TEST(Form39, TransferGainDecidesTheClosingLines) {
  const Lines contribution{"出资",
                           "长期股权投资（借） 200 ",
                           "无形资产（借） 300 ",
                           "银行存款（借） 100 ",
                           "实收资本（贷） 500 ",
                           "资本公积（贷） 100 ",
                           ""};
  auto with = [&](Lines tail) {
    Lines all = contribution;
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
  };
  const Fields base{{1, "500"}, {2, "200"}, {3, "300"}, {4, "100"}};
  auto books = [&](const char* Lb, const char* Pb) {
    Fields f = base;
    f[5] = Lb;
    f[6] = Pb;
    return f;
  };
  CheckAll(
      "Form39",
      {{books("150", "250"), with({"转移资产", "长期股权投资（借） 600 ", "长期股权投资（贷） 150 ",
                                   "无形资产（贷） 250 ", "营业外收入（贷） 100 ", "银行存款（贷） 100 "})},
       {books("200", "300"), with({"转移资产", "长期股权投资（借） 600 ", "长期股权投资（贷） 200 ",
                                   "无形资产（贷） 300 ", "营业外收入（贷） 0 ", "银行存款（贷） 100 "})},
       // A loss of 60: a non-operating expense, and the bank deposit still leaves.
       {books("260", "300"),
        with({"转移资产", "长期股权投资（借） 600 ", "营业外支出（借） 60 ", "长期股权投资（贷） 260 ",
              "无形资产（贷） 300 ", "银行存款（贷） 100 "})}});
  CheckFaults("Form39", {{{{2, "1e308"}, {3, "1e308"}}, 4}, {{{5, "1e308"}, {6, "1e308"}}, 8}});
}

TEST(Form40, FixedAssetInvested) {
  CheckAll("Form40", {{{{1, "1000"}, {2, "300"}, {3, "800"}, {4, "20"}},
                       {"固定资产转入清理", "固定资产清理（借） 700 ", "累计折旧（借） 300 ",
                        "固定资产（贷） 1000 ", "", "办理转移权", "长期股权投资（借） 820 ",
                        "营业外支出（借）-100 ", "银行存款（贷） 20 ", "固定资产清理（贷） 700 "}},
                      {{{1, "1000"}, {2, "300"}, {3, "600"}, {4, "20"}},
                       {"固定资产转入清理", "固定资产清理（借） 700 ", "累计折旧（借） 300 ",
                        "固定资产（贷） 1000 ", "", "办理转移权", "长期股权投资（借） 620 ",
                        "营业外支出（借） 100 ", "银行存款（贷） 20 ", "固定资产清理（贷） 700 "}}});
  CheckFaults("Form40", {{{{1, "1e308"}, {2, "-1e308"}}, 1}, {{{3, "1e308"}, {4, "1e308"}}, 6}});
}

TEST(Form45, EquityMethod) {
  CheckAll("Form45",
           {{{{1, "1000"}, {2, "0.3"}, {3, "500"}, {4, "200"}},
             {"购买股票", "长期股权投资（借） 1000 ", "银行存款（贷） 1000 ", "", "收到收益",
              "长期股权投资（借） 150 ", "投资收益（贷） 150 ", "", "收到股利", "应收股利（借） 60 ",
              "长期股权投资（贷） 60 ", "", "股票投资成本", "股票投资成本 1090 "}}});
  CheckFaults("Form45", {{{{2, "1e300"}, {3, "1e300"}}, 5},
                         {{{2, "1e300"}, {4, "1e300"}}, 9},
                         {{{1, "1e308"}, {2, "1"}, {3, "1e308"}}, 13}});
}

TEST(Form115And120, CapitalAndPremium) {
  CheckAll("Form115", {{{{1, "1000"}, {2, "400"}, {3, "0.3"}},
                        {"银行存款（借） 400 ", "实收资本（贷） 300 ", "资本公积（贷） 100 "}}});
  CheckFaults("Form115", {{{{1, "1e300"}, {3, "1e300"}}, 1}, {{{1, "1e308"}, {2, "-1e308"}, {3, "1"}}, 2}});

  CheckAll("Form120",
           {{{{1, "1000"}, {2, "500"}, {3, "0.25"}},
             {"资本溢价", "银行存款（借） 500 ", "实收资本（贷） 250 ", "资本公积-资本溢价（贷） 250 "}},
            {{{1, "1000"}, {2, "200"}, {3, "0.25"}},
             {"资本溢价", "银行存款（借） 200 ", "实收资本（贷） 250 ", "资本公积-资本溢价（贷）-50 "}}});
  CheckFaults("Form120", {{{{1, "1e300"}, {3, "1e300"}}, 2}, {{{1, "1e308"}, {2, "-1e308"}, {3, "1"}}, 3}});
}

TEST(Form116, EachInvestorWithItsOwnTax) {
  CheckAll("Form116",
           {{{{1, "100"}, {2, "6"}, {3, "200"}, {4, "18"}, {5, "300"}, {6, "39"}, {7, "500"}},
             {"银行存款（借） 500 ", "无形资产-非专利技术（借） 100 ", "无形资产-土地使用权（借） 200 ",
              "原材料（借） 300 ", "应交税费-应交增值税（进）（借） 63 ", "实收资本-甲（贷） 106 ",
              "实收资本-乙（贷） 218 ", "实收资本-丙（贷） 339 ", "实收资本-丁（贷） 500 "}}});
  CheckFaults("Form116", {{{{1, "1e308"}, {2, "1e308"}, {4, "-1e308"}}, 5}});  // 甲's capital
}

TEST(Form117, EntriesByPositiveAmount) {
  CheckAll("Form117", {{{}, {"", ""}},
                       {{{1, "-5"}, {2, "0"}, {3, "-1"}}, {"", ""}},
                       {{{1, "1000"}, {2, "300"}, {3, "200"}},
                        {"收到投资", "银行存款（借） 1000 ", "实收资本（贷） 1000 ", "", "资本公积",
                         "资本公积（借） 200 ", "实收资本（贷） 200 ", "", "盈余公积", "盈余公积（借） 300 ",
                         "实收资本（贷） 300 "}},
                       {{{2, "300"}}, {"", "", "盈余公积", "盈余公积（借） 300 ", "实收资本（贷） 300 "}},
                       {{{3, "0.5"}}, {"", "资本公积", "资本公积（借） 0.5 ", "实收资本（贷） 0.5 ", ""}}});
}

TEST(Form118, CancellationCases) {
  // Par 1, 100 shares (S = 100), premium 100 (A = 200), surplus reserve 50 (B = 250).
  auto at = [](const char* price, const char* premium = "100", const char* reserve = "50") {
    return Fields{{1, "1"}, {2, premium}, {3, reserve}, {4, "100"}, {5, price}};
  };
  auto entry = [](const char* X, Lines cancel) {
    Lines all{"回购股份", "库存股（借） " + std::string(X) + " ", "银行存款（贷） " + std::string(X) + " ",
              "", "注销股份"};
    all.insert(all.end(), cancel.begin(), cancel.end());
    return all;
  };
  CheckAll(
      "Form118",
      {{at("0.75"), entry("75", {"股本（借） 100 ", "库存股（贷） 75 ", "资本公积-股本溢价（贷） 25 "})},
       {at("1"), entry("100", {"股本（借） 100 ", "库存股（贷） 100 ", "资本公积-股本溢价（贷） 0 "})},
       {at("1.5"), entry("150", {"股本（借） 100 ", "资本公积-股本溢价（借） 50 ", "库存股（贷） 150 "})},
       {at("2"), entry("200", {"股本（借） 100 ", "资本公积-股本溢价（借） 100 ", "库存股（贷） 200 "})},
       {at("2.25"), entry("225", {"股本（借） 100 ", "资本公积-股本溢价（借） 100 ", "盈余公积（借） 25 ",
                                  "库存股（贷） 225 "})},
       {at("2.5"), entry("250", {"股本（借） 100 ", "资本公积-股本溢价（借） 100 ", "盈余公积（借） 50 ",
                                 "库存股（贷） 250 "})},
       {at("3"), entry("300", {})},
       // A negative premium: the first and the third case both hold.
       {at("0.8", "-50", "100"),
        entry("80", {"股本（借） 100 ", "库存股（贷） 80 ", "资本公积-股本溢价（贷） 20 ", "股本（借） 100 ",
                     "资本公积-股本溢价（借）-50 ", "盈余公积（借） 30 ", "库存股（贷） 80 "})}});
  CheckFaults("Form118", {{{{4, "1e300"}, {5, "1e300"}}, 1},
                          {{{1, "1e308"}, {2, "1e308"}, {4, "1"}}, 5},
                          {{{1, "1e308"}, {4, "1"}, {5, "-1e308"}}, 7}});
}

}  // namespace
}  // namespace varnello
