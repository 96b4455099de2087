// Form58: repairs of production equipment and of the office building, partly from spare parts.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm58(Press& p) {
  Figure equipmentRepairs = p.Read(1), spareParts = p.Read(2);
  p.Read(3);  // staff costs are shown on the window but enter no amount
  Figure officeRepairs = p.Read(4);
  p.Debit("管理费用-修理费", officeRepairs);
  p.Debit("制造费用-修理费", equipmentRepairs);
  p.Credit("原材料-修理用备件", spareParts);
  Figure bank = p.Check((officeRepairs + equipmentRepairs) -
                        spareParts);  // negative when the spare parts exceed the repairs
  p.Credit("银行存款", bank);
}

constexpr Item kItems[] = {Field(1, "器械维修费用"), Field(2, "修理备件费用"), Field(3, "人员费用"),
                           Field(4, "办公楼维修费用")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm58{
    .id = "Form58",
    .columns = kColumns,
    .press = PressForm58,
};

}  // namespace varnello
