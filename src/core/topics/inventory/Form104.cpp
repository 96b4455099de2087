// Form104: packaging lent out against a deposit; the rent is kept and the rest of the deposit
// returned.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm104(Press& p) {
  Figure actualCost = p.Read(1), deposit = p.Read(2), rent = p.Read(3);
  p.Heading("出借其他");
  p.Debit("其他业务成本", actualCost);
  p.Credit("周转材料-包装物", actualCost);
  p.Blank();
  p.Heading("收取押金");
  p.Debit("库存现金", deposit);
  p.Credit("其他应付款-押金", deposit);
  p.Blank();
  p.Heading("收取租金，退还押金");
  p.Debit("其他应付款-押金", deposit);
  p.Credit("其他业务收入", rent);
  p.Credit("库存现金", p.Check(deposit - rent));
}

constexpr Item kItems[] = {Field(1, "实际成本"), Field(2, "押金"), Field(3, "租金")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm104{
    .id = "Form104",
    .columns = kColumns,
    .press = PressForm104,
};

}  // namespace varnello
