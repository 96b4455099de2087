// Form52: depreciation calculator with four independent methods. Each group prints only when
// all of its inputs are strictly positive; its fields are read just before it is computed.
// 退出 leads on to the distribution window Form53.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm52(Press& p) {
  // Straight line.
  Figure straightLineResidualRate = p.Read(1), straightLineLife = p.Read(2), straightLineCost = p.Read(3);
  if (straightLineResidualRate > 0 && straightLineLife > 0 && straightLineCost > 0) {
    Figure annualDepreciation =
        p.Check(p.Div(1 - straightLineResidualRate, straightLineLife) * straightLineCost, "年折旧额");
    Figure monthlyDepreciation = p.Check(annualDepreciation / 12, "月折旧额");
    p.Line("累计折旧", annualDepreciation);
    p.Line("累计折旧（月）", monthlyDepreciation);
  }

  // Double-declining balance: the rate 2 / life applied to the book value left at the start of
  // the year of use, with no switch to straight line and no residual value. The year need not be
  // whole.
  Figure decliningLife = p.Read(4), decliningCost = p.Read(5), decliningYear = p.Read(6);
  if (decliningLife > 0 && decliningCost > 0 && decliningYear > 0) {
    Figure yearsElapsed = p.Check(decliningYear - 1);
    Figure yearEndRatio = p.Check(1 - p.Div(2, decliningLife), "年末余额比例");
    Figure openingRatio = p.Pow(yearEndRatio, yearsElapsed, "期初余额比例");
    Figure decliningDepreciation = p.Div((openingRatio * decliningCost) * 2, decliningLife);
    p.Line("累计折旧", decliningDepreciation);
  }

  // Units of production.
  Figure unitsCost = p.Read(7), unitsResidualRate = p.Read(8), totalWork = p.Read(9), periodWork = p.Read(14);
  if (unitsCost > 0 && unitsResidualRate > 0 && totalWork > 0 && periodWork > 0) {
    Figure perUnitDepreciation =
        p.Div(unitsCost * (1 - unitsResidualRate), totalWork, "单位工作量折旧额");  // per unit of work
    Figure unitsDepreciation = p.Check(perUnitDepreciation * periodWork);
    p.Line("累计折旧（当期）", unitsDepreciation);
  }

  // Sum of the years' digits.
  Figure yearsUsed = p.Read(10), digitsLife = p.Read(11), digitsCost = p.Read(12),
         digitsResidualValue = p.Read(13);
  if (yearsUsed > 0 && digitsLife > 0 && digitsCost > 0 && digitsResidualValue > 0) {
    Figure remainingLife =
        p.Check(digitsLife - (yearsUsed - 1), "尚可使用年限");  // remaining life counted from this year
    Figure sumOfYears = p.Check((digitsLife * (digitsLife + 1)) / 2, "年数总和");  // sum of the years' digits
    Figure yearRate = p.Div(remainingLife, sumOfYears, "年折旧率");                // rate of the year
    Figure digitsDepreciation = p.Check((digitsCost - digitsResidualValue) * yearRate);
    p.Line("累计折旧（当期）", digitsDepreciation);
    p.Line("年折旧率", yearRate);
  }
}

constexpr Item kColumn1[] = {Section("双倍余额递减法"), Field(4, "预计使用寿命"), Field(5, "固定资产原价"),
                             Field(6, "使用年数"),      Section("工作量法"),      Field(7, "固定资产原价"),
                             Field(8, "预计净残值率"),  Field(9, "预计总工作量"), Field(14, "当期工作量")};
constexpr Item kColumn2[] = {Section("年限平均法"),     Field(1, "预计净残值率"),  Field(2, "预计使用寿命"),
                             Field(3, "固定资产原价"),  Section("年数总和法"),     Field(10, "已使用年限"),
                             Field(11, "预计使用年限"), Field(12, "固定资产原价"), Field(13, "净残值")};
constexpr Column kColumns[] = {kColumn1, kColumn2};
// Fields in the order a user fills them in, which is not by field number here.
constexpr int kFillOrder[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 10, 11, 12, 13};

}  // namespace

extern constexpr TopicDesc kForm52{
    .id = "Form52",
    .columns = kColumns,
    .press = PressForm52,
    .exitTo = "Form53",
    .fillOrder = kFillOrder,
};

}  // namespace varnello
