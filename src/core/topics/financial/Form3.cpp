// Form3: depreciation left out in an earlier year, corrected through prior-year adjustments.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm3(Press& p) {
  Figure missedDepreciation = p.Read(1), taxRate = p.Read(2), statutoryRate = p.Read(3),
         discretionaryRate = p.Read(4), shareCount = p.Read(5);
  p.Heading("补提折旧");
  p.Debit("以前年度损益调整", missedDepreciation);
  p.Credit("累计折旧", missedDepreciation);
  p.Blank();
  Figure incomeTax = p.Check(taxRate * missedDepreciation, "所得税");
  p.Heading("调整应交所得税");
  p.Debit("应交税费-应交所得税", incomeTax);
  p.Credit("以前年度损益调整", incomeTax);
  p.Blank();
  Figure netProfit = p.Check(missedDepreciation - incomeTax, "净利润");
  p.Heading("转入利润分配");
  p.Debit("利润分配-未分配利润", netProfit);
  p.Credit("以前年度损益调整", netProfit);
  p.Blank();
  Figure surplusReserve = p.Check((discretionaryRate + statutoryRate) * netProfit, "盈余公积");
  p.Heading("调整利润分配");
  p.Debit("盈余公积", surplusReserve);
  p.Credit("利润分配-未分配利润", surplusReserve);
  p.Blank();
  p.Heading("资产负债表调整");
  p.Line("调减固定资产", missedDepreciation);
  p.Line("调减应交税费", incomeTax);
  p.Line("调减盈余公积", surplusReserve);
  Figure undistributedProfit = p.Check(netProfit - surplusReserve, "未分配利润");
  p.Line("调整未分配利润", undistributedProfit);
  p.Blank();
  p.Heading("利润表项目调整");
  p.Line("调增营业成本上年金额", missedDepreciation);
  p.Line("调整所得税费用", incomeTax);
  p.Line("调整净利润", netProfit);
  if (shareCount > 0) {
    Figure earningsPerShare = p.Div(netProfit, shareCount, "每股收益");
    p.Line("调整基本每股收益上年金额", earningsPerShare);
  }
  p.Blank();
  p.Heading("所有者权益变动表项目的调整");
  p.Line("调整前期差错更正项目中盈余公积上年金额", surplusReserve);
  p.Line("未分配利润上年金额", undistributedProfit);
  p.Line("所有者权益合计上年金额", netProfit);
}

constexpr Item kItems[] = {Field(1, "少记折旧费用"), Field(2, "所得税税率"), Field(3, "法定盈余公积比例"),
                           Field(4, "任意盈余公积比例"), Field(5, "股票数量")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm3{
    .id = "Form3",
    .width = 10410,
    .height = 9540,
    .columns = kColumns,
    .press = PressForm3,
};

}  // namespace varnello
