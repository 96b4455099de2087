// Form64: an intangible asset rented out as a franchise, rented out with amortisation, and scrapped.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm64(Press& p) {
  Figure franchiseFee = p.Read(1), businessTaxRate = p.Read(2), staffCosts = p.Read(3),
         rentReceived = p.Read(4), businessTax = p.Read(5), bookValue = p.Read(6),
         amortisationYears = p.Read(7), assetBalance = p.Read(8), accumulatedAmortisation = p.Read(9);
  if (franchiseFee > 0) {
    p.Heading("收取加盟费");
    p.Debit("银行存款", franchiseFee);
    p.Credit("其他业务收入", franchiseFee);
    p.Blank();
    p.Heading("计提营业税金");
    Figure tax = p.Check(businessTaxRate * franchiseFee);
    p.Debit("其他业务成本", tax);
    p.Credit("应交税金-应交营业税", tax);
    p.Blank();
    p.Heading("人员费用");
    p.Debit("其他业务成本", staffCosts);
    p.Credit("库存现金", staffCosts);
    p.Blank();
  }
  if (amortisationYears > 0) {
    p.Heading("收取费用");
    p.Debit("银行存款", rentReceived);
    p.Credit("其他业务收入", rentReceived);
    p.Blank();
    p.Heading("计提营业税金");
    p.Debit("其他业务成本", businessTax);
    p.Credit("应交税金-应交营业税", businessTax);
    p.Blank();
    p.Heading("每月摊销");
    Figure monthlyAmortisation = p.Check(p.Div(bookValue, amortisationYears) / 12);
    p.Debit("其他业务成本", monthlyAmortisation);
    p.Credit("累计摊销", monthlyAmortisation);
  }
  if (assetBalance > 0) {
    p.Heading("无形资产报废");
    Figure loss = p.Check(assetBalance - accumulatedAmortisation);
    p.Debit("营业外支出-报废损失", loss);
    p.Debit("累计摊销", accumulatedAmortisation);
    p.Credit("无形资产", assetBalance);
  }
}

// The scrapping group stands in the left column, the two renting groups in the right one.
constexpr Item kColumn1[] = {Section("无形资产报废"), Field(8, "无形资产余额"), Field(9, "累计摊销")};
constexpr Item kColumn2[] = {
    Section("出租无形资产（加盟）"), Field(1, "出租费用"), Field(2, "营业税税率"), Field(3, "人员费用"),
    Section("出租无形资产（摊销）"), Field(4, "收取费用"), Field(5, "营业税额"),   Field(6, "账面价值"),
    Field(7, "摊销期限（年）")};
constexpr Column kColumns[] = {kColumn1, kColumn2};

}  // namespace

extern constexpr TopicDesc kForm64{
    .id = "Form64",
    .columns = kColumns,
    .press = PressForm64,
};

}  // namespace varnello
