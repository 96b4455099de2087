// Form49: construction by a contractor, with a supplementary payment and completion.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm49(Press& p) {
  Figure A = p.Read(1), AT = p.Read(2), B = p.Read(3), BT = p.Read(4);
  p.Heading("出包工程");
  p.Line("在建工程（借）", A);
  Figure X = p.Check(AT + A);
  p.Line("应交税费-应交增值税（进）（借）", AT);
  p.Line("银行存款（贷）", X);
  p.Blank();
  p.Heading("补付工程款");
  p.Line("在建工程（借）", B);
  Figure Y = p.Check(BT + B);
  p.Line("应交税费-应交增值税（进）（借）", BT);
  p.Line("银行存款", Y);  // this bank line carries no side marker
  p.Blank();
  p.Heading("工程完工");
  Figure Z = p.Check(B + A);
  p.Line("固定资产（借）", Z);
  p.Line("在建工程（贷）", Z);
}

constexpr Item kItems[] = {Field(1, "固定资产款"), Field(2, "工程增值税额"), Field(3, "补付款"),
                           Field(4, "补付增值税")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm49{
    .id = "Form49",
    .columns = kColumns,
    .press = PressForm49,
};

}  // namespace varnello
