// Form67: long-term deferred expenses, and those of a construction project.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm67(Press& p) {
  Figure L = p.Read(1), n = p.Read(2), M = p.Read(3), V = p.Read(4), S = p.Read(5), W = p.Read(6),
         Y = p.Read(7);
  if (n > 0) {
    p.Heading("长期待摊费用");
    p.Line("长期待摊费用（借）", L);
    p.Line("银行存款（贷）", L);
    p.Blank();
    Figure E = p.Div(L, n);
    p.Line("制造费用（借）", E);
    p.Line("长期待摊费用（贷）", E);
    p.Blank();
  }
  if (Y > 0) {
    // The project's entries begin with a journal line, without a heading.
    Figure materials = p.Check(V + M);
    p.Line("长期待摊费用（借）", materials);
    p.Line("原材料（贷）", M);
    p.Line("应交税费-应交增值税（贷）", V);
    p.Blank();
    p.Heading("提供劳务");
    p.Line("长期待摊费用（借）", S);
    p.Line("生产成本（贷）", S);
    p.Blank();
    p.Heading("计提薪酬");
    p.Line("长期待摊费用（借）", W);
    p.Line("应付职工薪酬（贷）", W);
    p.Blank();
    Figure T = p.Check(((V + M) + S) + W);
    Figure R = p.Div(T, Y * 12);
    p.Line("管理费用（借）", R);
    p.Line("长期待摊费用（贷）", R);
  }
}

constexpr Item kItems[] = {Section("长期待摊费用"),     Field(1, "长期待摊费用"), Field(2, "待摊时间"),
                           Section("工程长期待摊费用"), Field(3, "领用生产材料"), Field(4, "增值税"),
                           Field(5, "劳务支出"),        Field(6, "工程人员薪酬"), Field(7, "时间（年）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm67{
    .id = "Form67",
    .columns = kColumns,
    .press = PressForm67,
};

}  // namespace varnello
