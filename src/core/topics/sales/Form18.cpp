// Form18: the allowance for bad debts: the year-end charge, debts written off or collected
// again, the top-up that brings the allowance to its required balance, and a combined entry.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm18(Press& p) {
  // A: allowance required at year end; L: last year's allowance; W: debts written off this
  // year, or (negative) earlier write-offs collected again.
  Figure A = p.Read(1), L = p.Read(2), W = p.Read(3);

  p.Heading("年末计提");
  p.Line("管理费用（借）", L);
  p.Line("坏账准备（贷）", L);
  p.Blank();

  if (W >= 0) {
    p.Heading("确认坏账");
    p.Line("坏账准备-坏账准备（借）", W);
    p.Line("应收账款（贷）", W);
    p.Blank();
  }
  if (W < 0) {
    p.Heading("收回坏账");
    p.Line("银行存款（借）", -W);
    p.Line("应收账款（贷）", -W);
    p.Heading("同时");
    p.Line("应收账款（借）", -W);
    p.Line("坏账准备（贷）", -W);
    p.Blank();
  }

  // The top-up after last year's balance has been reduced by this year's write-offs.
  Figure X = p.Check(A - (L - W), "应补提坏账准备");
  if (X >= 0) {
    p.Heading("计提坏账准备");
    p.Line("信用减值损失（借）", X);
    p.Line("坏账准备（贷）", X);
    p.Blank();
    p.Heading("转销坏账");
    p.Line("坏账准备（借）", X);
    p.Line("应收账款（贷）", X);
    p.Blank();
    p.Heading("如果收回全部坏账");
    p.Line("应收账款（借）", X);
    p.Line("坏账准备（贷）", X);
    p.Line("银行存款（借）", X);
    p.Line("应收账款（贷）", X);
  }
  if (X < 0) {
    p.Heading("计提坏账准备");
    p.Line("坏账准备（借）", -X);
    p.Line("管理费用（贷）", -X);
    p.Blank();
    p.Heading("转销坏账");
    p.Line("应收账款（借）", -X);
    p.Line("坏账准备（贷）", -X);
    p.Blank();
    p.Heading("如果收回全部坏账");
    p.Line("应收账款（借）", -X);
    p.Line("坏账准备（贷）", -X);
    p.Line("银行存款（借）", -X);
    p.Line("应收账款（贷）", -X);
    p.Blank();
  }

  p.Blank();
  p.Heading("或");
  p.Blank();

  if (W <= 0) {
    p.Line("营业外支出-坏账损失（借）", X);
    p.Line("银行存款（借）", -W);
    p.Line("坏账准备（借）", L);
    p.Line("应收账款（贷）", A);
  }
  if (W > 0) {
    p.Line("营业外支出-坏账损失（借）", X);
    p.Line("坏账准备（借）", L);
    p.Line("银行存款（贷）", W);
    p.Line("应收账款（贷）", A);
  }
}

constexpr Item kItems[] = {Field(1, "坏账准备（本年应收）"), Field(2, "坏账准备（上年应收）"),
                           Field(3, "+坏账准备/-收回坏账（实际）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm18{
    .id = "Form18",
    .columns = kColumns,
    .press = PressForm18,
};

}  // namespace varnello
