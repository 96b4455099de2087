// Form55: a fixed asset under a finance lease, from installation to the end of the lease.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm55(Press& p) {
  Figure R = p.Read(1), Y = p.Read(2), E = p.Read(3), T = p.Read(4), I = p.Read(5);
  p.Heading("安装税费");
  Figure A = p.Check(I + T);
  p.Line("固定资产-融资租入固定资产（借）", A);
  p.Line("银行存款（贷）", A);
  p.Blank();
  // The lease itself, printed without a heading of its own.
  Figure B = p.Check(E + R);
  p.Line("固定资产-融资租入固定资产（借）", B);
  p.Line("长期应付款-租赁费（贷）", B);
  p.Blank();
  p.Heading("每年支付租赁费");
  p.Line("长期应付款-租赁费（借）", Y);
  p.Line("银行存款（贷）", Y);
  p.Blank();
  p.Heading("租赁期满");
  p.Line("长期应付款-租赁费（借）", E);
  p.Line("银行存款（贷）", E);
  p.Blank();
  Figure C = p.Check(A + B);
  p.Heading("购入固定资产");
  p.Line("固定资产-生产用固定资产（借）", C);
  p.Line("固定资产-融资租入固定资产（贷）", C);
}

constexpr Item kItems[] = {Field(1, "租金总额"), Field(2, "每年支付"), Field(3, "到期支付"),
                           Field(4, "租赁税费"), Field(5, "安装费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm55{
    .id = "Form55",
    .columns = kColumns,
    .press = PressForm55,
};

}  // namespace varnello
