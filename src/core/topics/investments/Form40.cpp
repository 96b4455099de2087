// Form40: a fixed asset taken out of service and invested in another enterprise.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm40(Press& p) {
  Figure originalCost = p.Read(1), depreciation = p.Read(2), appraisedValue = p.Read(3), fees = p.Read(4);
  p.Heading("固定资产转入清理");
  Figure netBookValue = p.Check(originalCost - depreciation, "账面净值");
  p.Debit("固定资产清理", netBookValue);
  p.Debit("累计折旧", depreciation);
  p.Credit("固定资产", originalCost);
  p.Blank();
  p.Heading("办理转移权");
  Figure investmentCost = p.Check(fees + appraisedValue, "投资成本");
  // Negative when the appraisal exceeds the net value.
  Figure loss = p.Check((netBookValue + fees) - investmentCost);
  p.Debit("长期股权投资", investmentCost);
  p.Debit("营业外支出", loss);
  p.Credit("银行存款", fees);
  p.Credit("固定资产清理", netBookValue);
}

constexpr Item kItems[] = {Field(1, "固定资产账面原价"), Field(2, "已提折旧"), Field(3, "固定资产评估价值"),
                           Field(4, "相关税费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm40{
    .id = "Form40",
    .columns = kColumns,
    .press = PressForm40,
};

}  // namespace varnello
