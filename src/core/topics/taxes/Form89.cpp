// Form89: a small-scale taxpayer's purchase, sale and workshop rebuilding. Each case prints only
// when its guard field is positive; the two separating blank lines always print.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm89(Press& p) {
  Figure price = p.Read(1), freight = p.Read(2), salesReceived = p.Read(3), levyRate = p.Read(4),
         workshopRebuilding = p.Read(5);
  if (freight > 0) {
    p.Heading("购买时");
    Figure material = p.Check(price + freight);
    p.Debit("原材料", material);
    p.Credit("应付账款", freight);
    p.Credit("银行存款", price);
  }
  p.Blank();
  if (salesReceived > 0) {
    p.Heading("销售时");
    Figure netSales = p.Div(salesReceived, levyRate + 1, "不含税销售额");  // sales net of the levy
    Figure vatDue = p.Check(netSales * levyRate);
    p.Debit("银行存款", salesReceived);
    p.Credit("主营业务收入", netSales);
    p.Credit("应交税费-应交增值税", vatDue);
    p.Blank();
    p.Heading("上交增值税时");
    p.Debit("应交税费-应交增值税", vatDue);
    p.Credit("银行存款", vatDue);
  }
  p.Blank();
  if (workshopRebuilding > 0) {
    p.Heading("改造车间");
    p.Debit("在建工程", workshopRebuilding);
    p.Credit("原材料", workshopRebuilding);
  }
}

constexpr Item kItems[] = {Section("小规模纳税人购买"), Field(1, "价款"),     Field(2, "运费"),
                           Section("小规模纳税人销售"), Field(3, "销售收入"), Field(4, "增值税税率"),
                           Section("小规模纳税人工程"), Field(5, "改造工程")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm89{
    .id = "Form89",
    .columns = kColumns,
    .press = PressForm89,
};

}  // namespace varnello
