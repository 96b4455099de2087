// Form18: the allowance for bad debts: the year-end charge, debts written off or collected
// again, the top-up that brings the allowance to its required balance, and a combined entry.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm18(Press& p) {
  // The allowance required at year end, last year's allowance, and the debts written off this
  // year, or (negative) earlier write-offs collected again.
  Figure allowanceRequired = p.Read(1), lastYearAllowance = p.Read(2), writtenOff = p.Read(3);

  p.Heading("年末计提");
  p.Debit("管理费用", lastYearAllowance);
  p.Credit("坏账准备", lastYearAllowance);
  p.Blank();

  if (writtenOff >= 0) {
    p.Heading("确认坏账");
    p.Debit("坏账准备-坏账准备", writtenOff);
    p.Credit("应收账款", writtenOff);
    p.Blank();
  }
  if (writtenOff < 0) {
    p.Heading("收回坏账");
    p.Debit("银行存款", -writtenOff);
    p.Credit("应收账款", -writtenOff);
    p.Heading("同时");
    p.Debit("应收账款", -writtenOff);
    p.Credit("坏账准备", -writtenOff);
    p.Blank();
  }

  // The top-up after last year's balance has been reduced by this year's write-offs.
  Figure allowanceTopUp = p.Check(allowanceRequired - (lastYearAllowance - writtenOff), "应补提坏账准备");
  if (allowanceTopUp >= 0) {
    p.Heading("计提坏账准备");
    p.Debit("信用减值损失", allowanceTopUp);
    p.Credit("坏账准备", allowanceTopUp);
    p.Blank();
    p.Heading("转销坏账");
    p.Debit("坏账准备", allowanceTopUp);
    p.Credit("应收账款", allowanceTopUp);
    p.Blank();
    p.Heading("如果收回全部坏账");
    p.Debit("应收账款", allowanceTopUp);
    p.Credit("坏账准备", allowanceTopUp);
    p.Debit("银行存款", allowanceTopUp);
    p.Credit("应收账款", allowanceTopUp);
  }
  if (allowanceTopUp < 0) {
    p.Heading("计提坏账准备");
    p.Debit("坏账准备", -allowanceTopUp);
    p.Credit("管理费用", -allowanceTopUp);
    p.Blank();
    p.Heading("转销坏账");
    p.Debit("应收账款", -allowanceTopUp);
    p.Credit("坏账准备", -allowanceTopUp);
    p.Blank();
    p.Heading("如果收回全部坏账");
    p.Debit("应收账款", -allowanceTopUp);
    p.Credit("坏账准备", -allowanceTopUp);
    p.Debit("银行存款", -allowanceTopUp);
    p.Credit("应收账款", -allowanceTopUp);
    p.Blank();
  }

  p.Blank();
  p.Heading("或");
  p.Blank();

  if (writtenOff <= 0) {
    p.Debit("营业外支出-坏账损失", allowanceTopUp);
    p.Debit("银行存款", -writtenOff);
    p.Debit("坏账准备", lastYearAllowance);
    p.Credit("应收账款", allowanceRequired);
  }
  if (writtenOff > 0) {
    p.Debit("营业外支出-坏账损失", allowanceTopUp);
    p.Debit("坏账准备", lastYearAllowance);
    p.Credit("银行存款", writtenOff);
    p.Credit("应收账款", allowanceRequired);
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
