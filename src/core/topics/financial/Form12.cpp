// Form12: materials bought out of town, and a bank bill or a cashier's order applied for,
// collected with its interest or left unpaid.
#include <string_view>

#include "core/engine/topic.h"

namespace varnello {
namespace {

// One instrument bought from the bank: the deposit set aside for it, its collection with
// interest for the days to maturity on a 360-day year, and the receivable when it goes unpaid.
// The bank bill and the cashier's order differ only in their heading and deposit account.
void PrintInstrument(Press& p, std::string_view heading, std::string_view deposit, Figure amount, Figure rate,
                     Figure days) {
  p.Heading(heading);
  p.Debit(deposit, amount);
  p.Credit("银行存款", amount);
  p.Blank();
  Figure maturityAmount =
      p.Check(((days * rate) / 360 + 1) * amount, "到期本息");  // amount with interest at maturity
  Figure interestEarned = p.Check(maturityAmount - amount);
  p.Heading("收到票据");
  p.Debit("银行存款", maturityAmount);
  p.Credit("应收票据", amount);
  p.Credit("财务费用", interestEarned);
  p.Blank();
  p.Heading("未收到账款");
  p.Debit("应收账款", maturityAmount);
  p.Credit("银行存款", maturityAmount);
}

void PressForm12(Press& p) {
  Figure materialsCost = p.Read(1), vat = p.Read(2), bankBill = p.Read(3), cashierOrder = p.Read(4);
  Figure billRate = p.Read(5), billDays = p.Read(6), orderRate = p.Read(7), orderDays = p.Read(8);
  if (materialsCost > 0 && vat > 0) {
    p.Heading("外埠采购");
    Figure materialsPayment = p.Check(vat + materialsCost);
    p.Debit("材料费用", materialsCost);
    p.Debit("应交税金-应交增值税（进）", vat);
    p.Credit("其他货币资金", materialsPayment);
    p.Blank();
  }
  // The cashier's order follows the bank bill directly, without a blank line.
  if (bankBill > 0) PrintInstrument(p, "银行汇票", "其他货币资金-银行汇票", bankBill, billRate, billDays);
  if (cashierOrder > 0)
    PrintInstrument(p, "银行本票", "其他货币资金-银行本票", cashierOrder, orderRate, orderDays);
}

// The cashier's-order group has a column of its own, left of the other fields and level with
// the bank-bill group, so that no control stands over the printed lines.
constexpr Item kColumn1[] = {Item{.caption = "申请本票", .row = 3}, Field(4, "银行本票"),
                             Field(7, "利率（年）"), Field(8, "到期天数")};
constexpr Item kColumn2[] = {Section("外埠采购"), Field(1, "材料费用"), Field(2, "应交税金"),
                             Section("申请汇票"), Field(3, "银行汇票"), Field(5, "利率（年）"),
                             Field(6, "到期天数")};
constexpr Column kColumns[] = {kColumn1, kColumn2};
// Fields in the order a user fills them in, which is not by field number here.
constexpr int kFillOrder[] = {1, 2, 3, 5, 6, 4, 7, 8};

}  // namespace

extern constexpr TopicDesc kForm12{
    .id = "Form12",
    .width = 10425,
    .height = 9270,
    .columns = kColumns,
    .press = PressForm12,
    .fillOrder = kFillOrder,
};

}  // namespace varnello
