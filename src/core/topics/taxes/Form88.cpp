// Form88: export refund by the exempt-credit-refund method. Prints the month's calculation, then
// the entries; which offset, refund and closing entries print depends on the signs of the tax
// payable Q and of F = W + Q.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm88(Press& p) {
  Figure X = p.Read(1), Y = p.Read(2), O = p.Read(3), M = p.Read(4), I = p.Read(5), K = p.Read(6),
         g = p.Read(7), t = p.Read(8);
  // Each figure is computed just before the line that first shows it, so a fault leaves the
  // calculation lines printed so far.
  Figure Z = p.Check((g - t) * X, "不得免征和抵扣税额");  // not exempted nor credited
  p.Line("当月不得免征额", Z);
  Figure Q = p.Check(((g * Y) - (I - Z)) - K, "应纳税额");  // tax payable of the month
  p.Line("当月应纳税额", Q);
  Figure W = p.Check(t * X, "免抵退税额");  // exempt-credit-refund amount
  p.Line("免抵退税额", W);
  if (Q >= 0) p.Line("当期免抵退税额", W);
  Figure F = p.Check(W + Q);
  if (Q < 0 && F >= 0) p.Line("当期免抵退税额", F);
  if (Q < 0 && F < 0) p.Line("当期免抵退税额", W);
  p.Blank();

  p.Heading("购进原材料时");
  p.Line("原材料（借）", M);
  p.Line("应交税费-应交增值税（进）（借）", I);
  Figure bought = p.Check(I + M);
  p.Line("应付账款/银行存款（贷）", bought);
  p.Blank();
  p.Heading("销售时");
  Figure receivable = p.Check((Y + X) + O);
  p.Line("应收账款/银行存款（借）", receivable);
  p.Line("主营业务收入-出口（贷）", X);
  p.Line("主营业务收入-内销（贷）", Y);
  p.Line("应交税费-应交增值税（销）（贷）", O);
  p.Blank();

  p.Heading("不予免抵税额");
  p.Line("主营业务成本-出口（借）", Z);
  p.Line("应交税费-应交增值税（进项税额转出）（贷）", Z);
  p.Blank();

  p.Heading("出口抵减内销产品应纳税额");
  if (Q >= 0) {
    p.Line("应交税费-应交增值税（出口抵减内销产品）（借）", W);
    p.Line("应交税费-应交增值税（出口退税）（贷）", W);
  }
  // F exactly 0 with Q < 0 prints none of the offset or refund entries.
  if (Q < 0 && F > 0) {
    p.Line("应交税费-应交增值税（出口抵减内销产品）（借）", F);
    p.Line("应交税费-应交增值税（出口退税）（贷）", F);
  }
  if (Q < 0 && F < 0) {
    p.Line("其他应收款-出口退税（借）", W);
    p.Line("应交税费-应交增值税（出口退税）（贷）", W);
    p.Blank();
    p.Heading("收到退税");
    p.Line("银行存款（借）", W);
    p.Line("其他应收款-出口退税（贷）", W);
  }
  p.Blank();

  if (Q > 0) {
    p.Heading("结转本月未交增值税");
    p.Line("应交税费 - 应交增值税(转出未交)（借）", Q);
    p.Line("应交税费-未交增值税（贷）", Q);
  }
  if (Q < 0 && F > 0) {
    p.Heading("出口退税");
    p.Line("银行存款（借）", -Q);
    p.Line("其他应收款-出口退税（贷）", -Q);
  }
}

constexpr Item kItems[] = {Field(1, "出口收入"),       Field(2, "内销收入"), Field(3, "销项税额"),
                           Field(4, "购进原材料价格"), Field(5, "进项税额"), Field(6, "留抵进项税"),
                           Field(7, "征税率"),         Field(8, "退税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm88{
    .id = "Form88",
    .columns = kColumns,
    .press = PressForm88,
};

}  // namespace varnello
