// Form109: a patent transferred while an impairment provision stands against it.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm109(Press& p) {
  Figure transferProceeds = p.Read(1), taxPayable = p.Read(2), patentBookBalance = p.Read(3),
         impairmentProvision = p.Read(4);
  p.Debit("银行存款", transferProceeds);
  p.Debit("无形资产减值准备", impairmentProvision);
  p.Credit("无形资产-专利费", patentBookBalance);
  Figure gain = p.Check(((impairmentProvision + transferProceeds) - taxPayable) - patentBookBalance);
  p.Credit("营业外收入", gain);
  p.Credit("应交税金", taxPayable);
}

constexpr Item kItems[] = {Field(1, "转让专利收入"), Field(2, "应交税费"), Field(3, "专利账面余额"),
                           Field(4, "计提减值准备")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm109{
    .id = "Form109",
    .columns = kColumns,
    .press = PressForm109,
};

}  // namespace varnello
