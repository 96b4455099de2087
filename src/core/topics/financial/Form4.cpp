// Form4: a commercial bill with interest, from receipt through the year end to payment.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm4(Press& p) {
  Figure A = p.Read(1), i = p.Read(2), m = p.Read(3), k = p.Read(4);
  p.Heading("汇票");
  Figure Y = p.Check(((i * A) / 12) * k, "年末应计利息");  // interest accrued up to the year end
  Figure YA = p.Check(A + Y);
  Figure W = p.Check(((i * A) / 12) * m, "全期利息");  // interest over the whole term
  Figure WA = p.Check(A + W);
  p.Heading("收到时");
  p.Line("应收票据（借）", A);
  p.Line("应收账款（贷）", A);
  p.Blank();
  p.Heading("年终时");
  p.Line("应收票据（借）", YA);
  p.Line("应收账款（贷）", YA);
  p.Blank();
  p.Heading("商业承兑汇票后");
  p.Line("银行存款（借）", WA);
  p.Line("应收票据（贷）", WA);
}

constexpr Item kItems[] = {Field(1, "票据面值"), Field(2, "年利率"), Field(3, "期限（月）"),
                           Field(4, "取票时间（月）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm4{
    .id = "Form4",
    .width = 9735,
    .height = 8655,
    .columns = kColumns,
    .press = PressForm4,
};

}  // namespace varnello
