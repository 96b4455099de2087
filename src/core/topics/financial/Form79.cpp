// Form79: discounting a note at a monthly rate, a loan that falls overdue, and a note kept on
// deposit and discounted. The three groups follow one another without blank lines.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm79(Press& p) {
  Figure A = p.Read(1), q = p.Read(2), n = p.Read(3), B = p.Read(4), A2 = p.Read(5), i = p.Read(6);
  Figure h = p.Read(7), k = p.Read(8), n2 = p.Read(9);
  Figure D = p.Check(((q * A) * n) / 30, "贴现息");  // discount: the monthly rate applies per 30 days
  Figure N = p.Check(A - D);
  if (A > 0 && q > 0 && n > 0) {
    p.Heading("票据贴现");
    p.Line("银行存款（借）", N);
    p.Line("财务费用（借）", D);
    p.Line("应收票据（贷）", A);
  }
  if (B > 0) {
    p.Heading("逾期贷款");
    p.Line("应收账款（借）", B);
    p.Line("短期借款（贷）", B);
  }
  Figure M = p.Check(((i * n2) / 360 + 1) * A2, "到期值");  // value of the second note at maturity
  Figure Q = p.Check(((M * k) * h) / 360);
  Figure N2 = p.Check(M - Q);
  Figure F = p.Check(N2 - A2);
  // The note's term is not tested: an empty term still discounts the face amount.
  if (A2 > 0 && i > 0 && h > 0 && k > 0) {
    p.Heading("票据存取贴现");
    p.Line("银行存款（借）", N2);
    p.Line("应收票据（贷）", A2);
    p.Line("财务费用（贷）", F);
  }
}

constexpr Item kItems[] = {Section("票据贴现"),        Field(1, "票面金额"),   Field(2, "月贴现率"),
                           Field(3, "贴现期限（天）"), Section("逾期贷款"),    Field(4, "短期借款"),
                           Section("票据存取贴现"),    Field(5, "票据面额"),   Field(6, "年利率"),
                           Field(9, "贴现期限(天)"),   Field(7, "存期（天）"), Field(8, "贴现利率")};
constexpr Column kColumns[] = {kItems};
// Fields in the order a user fills them in, which is not by field number here.
constexpr int kFillOrder[] = {1, 2, 3, 4, 5, 6, 9, 7, 8};

}  // namespace

extern constexpr TopicDesc kForm79{
    .id = "Form79",
    .width = 10200,
    .height = 11895,
    .columns = kColumns,
    .press = PressForm79,
    .fillOrder = kFillOrder,
};

}  // namespace varnello
