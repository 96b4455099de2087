// Form97: business tax: revenue of the month, the tax charged on it, and last month's tax paid.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm97(Press& p) {
  Figure revenue = p.Read(1), businessTaxRate = p.Read(2), lastMonthTax = p.Read(3);
  p.Heading("取得营业收入");
  p.Debit("银行存款", revenue);
  p.Credit("主营业务收入", revenue);
  p.Blank();
  p.Heading("计提营业税");
  Figure businessTax = p.Check(businessTaxRate * revenue);
  p.Debit("营业税金及附加", businessTax);
  p.Credit("应交税费", businessTax);
  p.Blank();
  p.Heading("上缴上月税金");
  p.Debit("应交税费-应交营业税", lastMonthTax);
  p.Credit("银行存款", lastMonthTax);
}

constexpr Item kItems[] = {Field(1, "当月收入"), Field(2, "营业税率"), Field(3, "上月应交营业税")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm97{
    .id = "Form97",
    .columns = kColumns,
    .press = PressForm97,
};

}  // namespace varnello
