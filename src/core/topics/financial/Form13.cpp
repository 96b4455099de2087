// Form13: a letter of credit opened in US dollars for imported materials, and a credit card.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm13(Press& p) {
  Figure L = p.Read(1), G = p.Read(2), x = p.Read(3), f = p.Read(4), C = p.Read(5), S = p.Read(6);
  if (L > 0) {
    Figure D = p.Check(x * G, "保证金");  // margin deposit in yuan
    p.Heading("信用证回单");
    p.Line("其他货币资金-信用证保证金（借）", D);
    p.Line("银行存款-外币存款（贷）", D);
    p.Blank();
    p.Heading("手续费");
    p.Line("财务费用-银行手续费（借）", f);
    p.Line("银行存款（贷）", f);
    p.Blank();
    Figure T = p.Check(x * L, "信用证金额");      // the whole letter in yuan
    Figure R = p.Check(T - D, "超出保证金部分");  // paid beyond the margin
    p.Heading("进口材料");
    p.Line("在途物资（借）", T);
    p.Line("其他货币资金-信用证保证金（贷）", D);
    p.Line("银行存款-外币存款（贷）", R);
  }
  // The card group follows directly; its spending lines depend on the deposit alone.
  if (C > 0) {
    p.Heading("信用卡存款");
    p.Line("其他货币资金-信用卡存款（借）", C);
    p.Line("银行存款（贷）", C);
    p.Blank();
    p.Heading("信用卡消费");
    p.Line("管理费用-业务招待费（借）", S);
    p.Line("其他货币资金-信用卡存款（贷）", S);
  }
}

constexpr Item kItems[] = {Section("信用证"),      Field(1, "开立信用证（总）"), Field(2, "保证金"),
                           Field(3, "美元中间价"), Field(4, "手续费"),           Section("信用卡"),
                           Field(5, "信用卡存款"), Field(6, "信用卡消费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm13{
    .id = "Form13",
    .width = 10755,
    .height = 9885,
    .columns = kColumns,
    .press = PressForm13,
};

}  // namespace varnello
