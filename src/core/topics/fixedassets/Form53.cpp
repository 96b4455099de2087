// Form53: distribution of a period's depreciation to the accounts that bear it. The credit is
// the typed total, not the sum of the debits. Its caption "累计折旧" brings the calculator
// Form52 up beside it.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm53(Press& p) {
  Figure constructionInProgress = p.Read(1), adminExpenses = p.Read(2), sellingExpenses = p.Read(3),
         manufacturingOverhead = p.Read(4), otherBusinessCost = p.Read(5), totalDepreciation = p.Read(6);
  p.Debit("在建工程", constructionInProgress);
  p.Debit("管理费用", adminExpenses);
  p.Debit("销售费用", sellingExpenses);
  p.Debit("制造费用", manufacturingOverhead);
  p.Debit("其他业务成本", otherBusinessCost);
  p.Credit("累计折旧", totalDepreciation);
}

constexpr Item kItems[] = {Field(1, "在建工程"), Field(2, "管理费用"),     Field(3, "销售费用"),
                           Field(4, "制造费用"), Field(5, "其他业务成本"), Item{6, "累计折旧", "Form52"}};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm53{
    .id = "Form53",
    .columns = kColumns,
    .press = PressForm53,
};

}  // namespace varnello
