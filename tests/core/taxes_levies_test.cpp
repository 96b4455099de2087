// Consumption tax, business tax, taxes and surcharges, and the income taxes.
#include <gtest/gtest.h>

#include "core/layout/layout.h"
#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Join;
using testing::Lines;
using testing::PressWindow;

void Check(const std::vector<testing::PressCase>& cases) {
  testing::CheckPresses(cases);
}

TEST(TaxesLevies, ConsumptionTax) {
  const Lines welfare{"员工补贴领用",
                      "应付职工薪酬-职工福利费（借） 125 ",
                      "税金及附加（借） 10 ",
                      "主营业务收入（贷） 100 ",
                      "应交税费-应交增值税（销）（贷） 25 ",
                      "应交税费-应交消费税（贷） 10 ",
                      "",
                      "主营业务成本（借） 80 ",
                      "库存商品（贷） 80 "};
  const Lines imported{"库存商品（借） 100 ", "应交税费-应交增值税（进）（借） 25 ", "银行存款（贷） 125 ",
                       ""};
  Check({
      {"Form92",
       {{1, "100"}, {2, "17"}, {3, "0.1"}},
       {"销售应税产品", "银行存款（借） 117 ", "主营业务收入（贷） 100 ", "应交税费-应交增值税（销） 17 ", "",
        "计算消费税", "税金及附加（借） 10 ", "应交税费-应交消费税（贷） 10 "}},
      {"Form92", {{1, "1e300"}, {3, "1e300"}}, {"计算消费税"}, FaultKind::Overflow, 6},
      // Own use: each case is guarded by its cost; the heading and blank line always print.
      {"Form93", {}, {"工程领用", ""}},
      {"Form93", {{3, "80"}, {4, "100"}, {5, "0.25"}, {6, "0.1"}}, Join({{"工程领用", ""}, welfare})},
      {"Form93",
       {{1, "50"}, {2, "5"}, {3, "80"}, {4, "100"}, {5, "0.25"}, {6, "0.1"}},
       Join({{"工程领用", "在建工程（借） 55 ", "库存商品（贷） 50 ", "应交税费-应交消费税（贷） 5 ", ""},
             welfare})},
      {"Form93", {{1, "0"}, {2, "5"}, {3, "-80"}, {4, "100"}, {5, "0.25"}}, {"工程领用", ""}},
      {"Form93", {{3, "1"}, {4, "1e300"}, {5, "1e300"}}, {"工程领用", ""}, FaultKind::Overflow},
      // Commissioned processing: always 24 lines.
      {"Form94", {}, {"委托加工物资（贷） 0 "}, {}, 24},
      {"Form94", {{2, "1e300"}, {3, "1e300"}}, {"委托加工物资（借） 1E+300 "}, FaultKind::Overflow, 5},
      // Import: the division by 1 - c comes after the booked entry and its blank line.
      {"Form95",
       {{1, "70"}, {2, "10"}, {3, "0.2"}, {4, "0.25"}, {5, "20"}, {6, "25"}},
       Join({imported, {"应交消费税税额 20 ", "应交增值税税额 25 "}})},
      {"Form95", {{1, "70"}, {2, "10"}, {3, "1"}, {5, "20"}, {6, "25"}}, imported, FaultKind::DivisionByZero},
      {"Form95", {{3, "1"}}, {""}, FaultKind::Overflow, 4},  // 0/0
      {"Form95",
       {{1, "70"}, {2, "10"}, {3, "0.2"}, {4, "1e308"}},
       {"应交消费税税额 20 "},
       FaultKind::Overflow,
       5},
  });
  auto r = PressWindow("Form94", {{1, "100"}, {2, "20"}, {3, "0.25"}, {4, "10"}});
  ASSERT_EQ(r.lines.size(), 24u);
  // Taken back for production: tax deductible, goods at F + K; for sale: tax in the cost.
  const std::vector<std::pair<size_t, std::string>> figures{{5, "应交税费-应交增值税（进）（借） 5 "},
                                                            {6, "应交税费-应交消费税（借） 10 "},
                                                            {7, "应付账款（贷） 35 "},
                                                            {9, "原材料（借） 120 "},
                                                            {14, "用于销售"},
                                                            {18, "委托加工物资（借） 30 "},
                                                            {19, "应交税费-应交增值税（借） 5 "},
                                                            {20, "应付账款（贷） 35 "},
                                                            {23, "委托加工物资（贷） 130 "}};
  for (const auto& [i, line] : figures) EXPECT_EQ(r.lines[i], line) << i;
}

// Form98's lines for A1..A7 and A9 (as printed amounts), the total and the two derived figures.
Lines Surcharges(const std::vector<std::string>& a, const std::string& total, const std::string& city,
                 const std::string& education) {
  const char* names[] = {"消费税", "资源税", "城建税", "教育费附加", "房产税", "车船税", "土地税", "文化税"};
  Lines lines{"计算税金及附加", "税金及附加（借）" + total};
  for (size_t i = 0; i < 8; ++i) lines.push_back(std::string("应交税费-") + names[i] + "（贷）" + a[i]);
  lines.insert(lines.end(), {"", "交纳税金及附加"});
  for (size_t i = 0; i < 8; ++i) lines.push_back(std::string("应交税费-") + names[i] + "（借）" + a[i]);
  lines.insert(lines.end(),
               {"银行存款（贷）" + total, "", "城市维护建设税" + city, "教育费附加" + education});
  return lines;
}

TEST(TaxesLevies, BusinessTaxAndSurcharges) {
  const std::string z = " 0 ";
  Check({
      {"Form97",
       {{1, "10000"}, {2, "0.05"}, {3, "300"}},
       {"取得营业收入", "银行存款（借） 10000 ", "主营业务收入（贷） 10000 ", "", "计提营业税",
        "营业税金及附加（借） 500 ", "应交税费（贷） 500 ", "", "上缴上月税金",
        "应交税费-应交营业税（借） 300 ", "银行存款（贷） 300 "}},
      {"Form97", {{1, "1e300"}, {2, "1e300"}}, {"计提营业税"}, FaultKind::Overflow, 5},
      {"Form98", {}, Surcharges({z, z, z, z, z, z, z, z}, z, z, z)},
      {"Form98",
       {{1, "100"}, {8, "900"}},
       Surcharges({" 100 ", z, z, z, z, z, z, z}, " 100 ", " 70 ", " 30 ")},
      // VAT stays out of the total; the typed city tax and surcharge are printed as typed.
      {"Form98",
       {{1, "1"}, {2, "2"}, {3, "4"}, {4, "8"}, {5, "16"}, {6, "32"}, {7, "64"}, {8, "1000"}, {9, "128"}},
       Surcharges({" 1 ", " 2 ", " 4 ", " 8 ", " 16 ", " 32 ", " 64 ", " 128 "}, " 255 ", " 70.07 ",
                  " 30.03 ")},
      {"Form98", {{1, "1e308"}, {2, "1e308"}}, {"计算税金及附加"}, FaultKind::Overflow},
      // Both derived figures are computed before their blank line.
      {"Form98", {{1, "1e308"}, {8, "1e308"}}, {"银行存款（贷） 1E+308 "}, FaultKind::Overflow, 21},
  });
  // The month's VAT stands alone in the left-hand column, on the last row of the tax fields.
  WindowLayout layout = LayoutTopic(*FindTopic("Form98"));
  Rect vat, last;
  for (const Control& c : layout.controls) {
    if (c.kind == ControlKind::Field && c.field == 8) vat = c.rect;
    if (c.kind == ControlKind::Field && c.field == 9) last = c.rect;
  }
  EXPECT_EQ(vat.y, last.y);
  EXPECT_LT(vat.right(), last.x);
}

TEST(TaxesLevies, IncomeTaxes) {
  const Lines wages{"计提并发放工资", "应付职工薪酬（借） 5000 ", "应交税费-应交个税（贷） 200 ",
                    "银行存款（贷） 4800 "};
  const Lines enterprise{"计提时",
                         "所得税费用（借） 200 ",
                         "应交税费-应交所得税（贷） 200 ",
                         "",
                         "上交时",
                         "应交税费-应交所得税（借） 200 ",
                         "银行存款（贷） 200 "};
  Check({
      {"Form99", {{1, "5000"}, {2, "200"}, {3, "1000"}, {4, "200"}, {5, "0.25"}}, Join({wages, enterprise})},
      {"Form99", {{3, "1000"}, {4, "200"}, {5, "0.25"}}, enterprise},
      {"Form99", {{1, "5000"}, {2, "0"}, {3, "1000"}, {5, "0"}}, {}},
      {"Form99", {{1, "-1e308"}, {2, "1e308"}}, {"应交税费-应交个税（贷） 1E+308 "}, FaultKind::Overflow, 3},
      {"Form99",
       {{1, "5000"}, {2, "200"}, {3, "1e308"}, {4, "-1e308"}, {5, "0.25"}},
       Join({wages, {"计提时"}}),
       FaultKind::Overflow},
  });
}

}  // namespace
}  // namespace varnello
