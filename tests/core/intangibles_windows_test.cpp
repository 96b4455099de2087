// Printed entries, guards and fault points of the intangible-asset and deferred-expense windows.
#include <gtest/gtest.h>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Lines;
using testing::PressWindow;

struct Case {
  const char* what;
  const char* window;
  std::map<int, std::string> in;
  Lines lines;
  std::optional<FaultKind> fault = std::nullopt;
};

void Check(const std::vector<Case>& cases) {
  std::vector<testing::PressCase> presses;
  for (const Case& c : cases) presses.push_back({c.window, c.in, c.lines, c.fault, 0, c.what});
  testing::CheckPresses(presses);
}

constexpr auto kOverflow = FaultKind::Overflow;

TEST(Form60, GroupsGuardedByTheirPrice) {
  Check({
      {"all empty", "Form60", {}, {}},
      {"zero price suppresses its VAT", "Form60", {{1, "0"}, {2, "130"}, {3, "-5"}, {4, "7"}}, {}},
      {"purchase only",
       "Form60",
       {{1, "1000"}, {2, "130"}},
       {"外购无形资产", "无形资产（借） 1130 ", "银行存款（贷） 1130 "}},
      {"both groups, no blank line between",
       "Form60",
       {{1, "1000"}, {2, "130"}, {3, "500"}, {4, "65"}},
       {"外购无形资产", "无形资产（借） 1130 ", "银行存款（贷） 1130 ", "投入无形资产", "无形资产（借） 565 ",
        "银行存款（贷） 565 "}},
      {"purchase overflows after its heading",
       "Form60",
       {{1, "1e308"}, {2, "1e308"}},
       {"外购无形资产"},
       kOverflow},
      {"contribution overflows",
       "Form60",
       {{1, "1"}, {3, "1e308"}, {4, "1e308"}},
       {"外购无形资产", "无形资产（借） 1 ", "银行存款（贷） 1 ", "投入无形资产"},
       kOverflow},
  });
}

TEST(Form61, WriteOffOnlyWithPositiveYears) {
  Lines acquired{"取得使用权",       "无形资产（借） 1200 ", "银行存款（贷） 1200 ", "",
                 "固定资产交付使用", "固定资产（借） 2400 ", "银行存款（贷） 2400 ", ""};
  Lines full = acquired;
  for (const char* l : {"摊销无形资产", "管理费用（借） 10 ", "制造费用（借） 20 ", "累计摊销（贷） 10 ",
                        "累计折旧（贷） 20 "})
    full.push_back(l);
  Check({
      {"ten years", "Form61", {{1, "10"}, {2, "1200"}, {3, "2400"}}, full},
      {"no years", "Form61", {{2, "1200"}, {3, "2400"}}, acquired},
      {"negative years", "Form61", {{1, "-10"}, {2, "1200"}, {3, "2400"}}, acquired},
      {"use-right charge overflows",
       "Form61",
       {{1, "1e-10"}, {2, "1e300"}},
       {"取得使用权", "无形资产（借） 1E+300 ", "银行存款（贷） 1E+300 ", "", "固定资产交付使用",
        "固定资产（借） 0 ", "银行存款（贷） 0 ", "", "摊销无形资产"},
       kOverflow},
  });
  // The building's charge is computed after the use right's line is printed.
  auto r = PressWindow("Form61", {{1, "1e-10"}, {3, "1e300"}});
  EXPECT_EQ(r.fault, kOverflow);
  ASSERT_EQ(r.lines.size(), 10u);
  EXPECT_EQ(r.lines.back(), "管理费用（借） 0 ");
}

TEST(Form62, PatentCostAndTotalsAsTyped) {
  Check({
      {"registration",
       "Form62",
       {{1, "99"}, {2, "4000"}, {3, "5000"}, {4, "1000"}, {5, "200"}, {6, "300"}, {7, "6000"}},
       {"研发费用", "研发支出（借） 99 ", "原材料（贷） 4000 ", "应付职工薪酬（贷） 5000 ",
        "银行存款（贷） 1000 ", "", "申请成功", "无形资产（借） 6500 ", "银行存款（贷） 500 ",
        "研发支出（贷） 6000 "}},
      {"all empty",
       "Form62",
       {},
       {"研发费用", "研发支出（借） 0 ", "原材料（贷） 0 ", "应付职工薪酬（贷） 0 ", "银行存款（贷） 0 ", "",
        "申请成功", "无形资产（借） 0 ", "银行存款（贷） 0 ", "研发支出（贷） 0 "}},
      {"cost overflows after the heading",
       "Form62",
       {{6, "1e308"}, {7, "1e308"}},
       {"研发费用", "研发支出（借） 0 ", "原材料（贷） 0 ", "应付职工薪酬（贷） 0 ", "银行存款（贷） 0 ", "",
        "申请成功"},
       kOverflow},
  });
}

TEST(Form63, AmortisationAndTransfer) {
  std::map<int, std::string> example{{1, "1200"}, {2, "10"}, {3, "1500"}, {4, "50"}, {5, "75"}, {6, "24"}};
  Lines amortised{"摊销无形资产", "制造费用-技术转让费 10 ", "累计摊销 10 ", ""};
  auto with = [](Lines head, std::initializer_list<const char*> tail) {
    for (const char* l : tail) head.push_back(l);
    return head;
  };
  auto changed = [&](int field, const char* text) {
    auto in = example;
    in[field] = text;
    return in;
  };
  Check({
      {"worked example", "Form63", example,
       with(amortised,
            {"已摊销额 240 ", "账面价值 960 ", "转让收益 415 ", "", "银行存款（借） 1450 ",
             "累计摊销（借） 240 ", "无形资产（贷） 1200 ", "应交税费（贷） 75 ", "营业外收入（贷） 415 "})},
      {"loss on transfer is debited", "Form63", changed(3, "900"),
       with(amortised,
            {"已摊销额 240 ", "账面价值 960 ", "转让收益-185 ", "", "银行存款（借） 850 ",
             "累计摊销（借） 240 ", "营业外收入（借） 185 ", "无形资产（贷） 1200 ", "应交税费（贷） 75 "})},
      {"no gain, no income line", "Form63", changed(3, "1085"),
       with(amortised, {"已摊销额 240 ", "账面价值 960 ", "转让收益 0 ", "", "银行存款（借） 1035 ",
                        "累计摊销（借） 240 ", "无形资产（贷） 1200 ", "应交税费（贷） 75 "})},
      {"no period: nothing amortised",
       "Form63",
       changed(2, ""),
       {"", "已摊销额 0 ", "账面价值 1200 ", "转让收益 175 ", "", "银行存款（借） 1450 ", "累计摊销（借） 0 ",
        "无形资产（贷） 1200 ", "应交税费（贷） 75 ", "营业外收入（贷） 175 "}},
      {"negative period counts as none",
       "Form63",
       changed(2, "-10"),
       {"", "已摊销额 0 ", "账面价值 1200 ", "转让收益 175 ", "", "银行存款（借） 1450 ", "累计摊销（借） 0 ",
        "无形资产（贷） 1200 ", "应交税费（贷） 75 ", "营业外收入（贷） 175 "}},
      {"monthly charge overflows after its heading",
       "Form63",
       {{1, "1e300"}, {2, "1e-10"}},
       {"摊销无形资产"},
       kOverflow},
      {"amortisation to date overflows", "Form63", changed(6, "1e308"), amortised, kOverflow},
      {"gain overflows",
       "Form63",
       {{3, "1e308"}, {5, "-1e308"}},
       {"", "已摊销额 0 ", "账面价值 0 "},
       kOverflow},
      {"bank receipt overflows",
       "Form63",
       {{3, "1e308"}, {4, "-1e308"}, {5, "1e308"}},
       {"", "已摊销额 0 ", "账面价值 0 ", "转让收益 1E+308 ", ""},
       kOverflow},
  });
}

TEST(Form64, FranchiseRentalAndScrapping) {
  Lines franchise{"收取加盟费",   "银行存款（借） 10000 ",    "其他业务收入（贷） 10000 ",      "",
                  "计提营业税金", "其他业务成本（借） 500 ",  "应交税金-应交营业税（贷） 500 ", "",
                  "人员费用",     "其他业务成本（借） 2000 ", "库存现金（贷） 2000 ",           ""};
  Lines rental{"收取费用",
               "银行存款（借） 1200 ",
               "其他业务收入（贷） 1200 ",
               "",
               "计提营业税金",
               "其他业务成本（借） 60 ",
               "应交税金-应交营业税（贷） 60 ",
               "",
               "每月摊销",
               "其他业务成本（借） 20 ",
               "累计摊销（贷） 20 "};
  Lines scrapping{"无形资产报废", "营业外支出-报废损失（借） 70 ", "累计摊销（借） 30 ",
                  "无形资产（贷） 100 "};
  Lines all = franchise;
  all.insert(all.end(), rental.begin(), rental.end());
  all.insert(all.end(), scrapping.begin(), scrapping.end());
  Lines rentalToHeading(rental.begin(), rental.begin() + 9);
  rentalToHeading[1] = "银行存款（借） 0 ";
  rentalToHeading[2] = "其他业务收入（贷） 0 ";
  rentalToHeading[5] = "其他业务成本（借） 0 ";
  rentalToHeading[6] = "应交税金-应交营业税（贷） 0 ";
  Check({
      {"all three groups",
       "Form64",
       {{1, "10000"},
        {2, "0.05"},
        {3, "2000"},
        {4, "1200"},
        {5, "60"},
        {6, "2400"},
        {7, "10"},
        {8, "100"},
        {9, "30"}},
       all},
      {"scrapping alone", "Form64", {{8, "100"}, {9, "30"}}, scrapping},
      {"zero or negative guards print nothing",
       "Form64",
       {{1, "0"},
        {2, "0.05"},
        {3, "2000"},
        {4, "1200"},
        {5, "60"},
        {6, "2400"},
        {7, "-10"},
        {8, "0"},
        {9, "30"}},
       {}},
      {"franchise tax overflows",
       "Form64",
       {{1, "1e300"}, {2, "1e10"}},
       {"收取加盟费", "银行存款（借） 1E+300 ", "其他业务收入（贷） 1E+300 ", "", "计提营业税金"},
       kOverflow},
      {"monthly amortisation overflows", "Form64", {{6, "1e300"}, {7, "1e-10"}}, rentalToHeading, kOverflow},
      {"scrapping loss overflows", "Form64", {{8, "1e308"}, {9, "-1e308"}}, {"无形资产报废"}, kOverflow},
  });
}

TEST(Form67, DeferredExpensesOfPeriodAndProject) {
  Lines spread{"长期待摊费用",
               "长期待摊费用（借） 1200 ",
               "银行存款（贷） 1200 ",
               "",
               "制造费用（借） 300 ",
               "长期待摊费用（贷） 300 ",
               ""};
  Lines project{"长期待摊费用（借） 1130 ",
                "原材料（贷） 1000 ",
                "应交税费-应交增值税（贷） 130 ",
                "",
                "提供劳务",
                "长期待摊费用（借） 500 ",
                "生产成本（贷） 500 ",
                "",
                "计提薪酬",
                "长期待摊费用（借） 770 ",
                "应付职工薪酬（贷） 770 ",
                "",
                "管理费用（借） 100 ",
                "长期待摊费用（贷） 100 "};
  Lines both = spread;
  both.insert(both.end(), project.begin(), project.end());
  std::map<int, std::string> in{{1, "1200"}, {2, "4"},   {3, "1000"}, {4, "130"},
                                {5, "500"},  {6, "770"}, {7, "2"}};
  auto without = [&](int field) {
    auto m = in;
    m[field] = "0";
    return m;
  };
  Check({
      {"both groups", "Form67", in, both},
      {"period spread only", "Form67", without(7), spread},
      {"project only", "Form67", without(2), project},
      {"no periods, no years",
       "Form67",
       [&] {
         auto m = without(2);
         m[7] = "-1";
         return m;
       }(),
       {}},
      {"per-period charge overflows",
       "Form67",
       {{1, "1e300"}, {2, "1e-10"}},
       {"长期待摊费用", "长期待摊费用（借） 1E+300 ", "银行存款（贷） 1E+300 ", ""},
       kOverflow},
      {"materials with VAT overflow", "Form67", {{3, "1e308"}, {4, "1e308"}, {7, "1"}}, {}, kOverflow},
  });
  // The project total and the monthly charge are computed after the wages entry's blank line.
  for (const auto& faulty : std::vector<std::map<int, std::string>>{{{3, "1e308"}, {5, "1e308"}, {7, "1"}},
                                                                    {{6, "1e300"}, {7, "1e-10"}}}) {
    auto r = PressWindow("Form67", faulty);
    EXPECT_EQ(r.fault, kOverflow);
    ASSERT_EQ(r.lines.size(), 12u);
    EXPECT_EQ(r.lines[8], "计提薪酬");
  }
}

TEST(Form109, TransferWithImpairment) {
  Check({
      {"all empty",
       "Form109",
       {},
       {"银行存款（借） 0 ", "无形资产减值准备（借） 0 ", "无形资产-专利费（贷） 0 ", "营业外收入（贷） 0 ",
        "应交税金（贷） 0 "}},
      {"gain",
       "Form109",
       {{1, "1000"}, {2, "50"}, {3, "2000"}, {4, "1200"}},
       {"银行存款（借） 1000 ", "无形资产减值准备（借） 1200 ", "无形资产-专利费（贷） 2000 ",
        "营业外收入（贷） 150 ", "应交税金（贷） 50 "}},
      {"loss shows as a negative credit",
       "Form109",
       {{1, "500"}, {2, "50"}, {3, "2000"}, {4, "1200"}},
       {"银行存款（借） 500 ", "无形资产减值准备（借） 1200 ", "无形资产-专利费（贷） 2000 ",
        "营业外收入（贷）-350 ", "应交税金（贷） 50 "}},
      {"gain overflows after three lines",
       "Form109",
       {{1, "1e308"}, {4, "1e308"}},
       {"银行存款（借） 1E+308 ", "无形资产减值准备（借） 1E+308 ", "无形资产-专利费（贷） 0 "},
       kOverflow},
  });
}

}  // namespace
}  // namespace varnello
