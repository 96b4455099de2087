// Form62: a patent developed in-house and registered.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm62(Press& p) {
  Figure D = p.Read(1), M = p.Read(2), W = p.Read(3), O = p.Read(4), R = p.Read(5), L = p.Read(6),
         C = p.Read(7);
  // The total D is printed as typed; it is not reconciled with its parts.
  p.Heading("研发费用");
  p.Line("研发支出（借）", D);
  p.Line("原材料（贷）", M);
  p.Line("应付职工薪酬（贷）", W);
  p.Line("银行存款（贷）", O);
  p.Blank();
  p.Heading("申请成功");
  Figure cost = p.Check((L + R) + C);
  p.Line("无形资产（借）", cost);
  Figure fees = p.Check(L + R);
  p.Line("银行存款（贷）", fees);
  p.Line("研发支出（贷）", C);
}

constexpr Item kItems[] = {Field(1, "开发费用"),  Field(2, "研发材料费"), Field(3, "人员工资"),
                           Field(4, "其他费用"),  Field(5, "专利登记费"), Field(6, "律师费用"),
                           Field(7, "资本化支出")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm62{
    .id = "Form62",
    .columns = kColumns,
    .press = PressForm62,
};

}  // namespace varnello
