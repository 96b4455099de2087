// Form13: a letter of credit opened in US dollars for imported materials, and a credit card.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm13(Press& p) {
  Figure letterOfCreditUsd = p.Read(1), marginUsd = p.Read(2), usdRate = p.Read(3), fees = p.Read(4),
         cardDeposit = p.Read(5), cardSpending = p.Read(6);
  if (letterOfCreditUsd > 0) {
    Figure margin = p.Check(usdRate * marginUsd, "保证金");  // margin deposit in yuan
    p.Heading("信用证回单");
    p.Debit("其他货币资金-信用证保证金", margin);
    p.Credit("银行存款-外币存款", margin);
    p.Blank();
    p.Heading("手续费");
    p.Debit("财务费用-银行手续费", fees);
    p.Credit("银行存款", fees);
    p.Blank();
    Figure letterOfCredit = p.Check(usdRate * letterOfCreditUsd, "信用证金额");  // the whole letter in yuan
    Figure beyondMargin = p.Check(letterOfCredit - margin, "超出保证金部分");    // paid beyond the margin
    p.Heading("进口材料");
    p.Debit("在途物资", letterOfCredit);
    p.Credit("其他货币资金-信用证保证金", margin);
    p.Credit("银行存款-外币存款", beyondMargin);
  }
  // The card group follows directly; its spending lines depend on the deposit alone.
  if (cardDeposit > 0) {
    p.Heading("信用卡存款");
    p.Debit("其他货币资金-信用卡存款", cardDeposit);
    p.Credit("银行存款", cardDeposit);
    p.Blank();
    p.Heading("信用卡消费");
    p.Debit("管理费用-业务招待费", cardSpending);
    p.Credit("其他货币资金-信用卡存款", cardSpending);
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
