// Form10: cash found over or short at a count, and how each is settled.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm10(Press& p) {
  Figure cashOverage = p.Read(1), cashShortage = p.Read(2), cashierCompensation = p.Read(3);
  if (cashOverage > 0) {
    p.Heading("现金盘盈");
    p.Debit("库存现金", cashOverage);
    p.Credit("待处理财产损溢-待处理流动资产损溢", cashOverage);
    p.Blank();
    p.Heading("处理后");
    p.Debit("待处理财产损溢-待处理流动资产损溢", cashOverage);
    p.Credit("营业外收入-现金溢余", cashOverage);
  }
  // The shortage group follows the overage group directly, without a blank line.
  if (cashShortage > 0) {
    p.Heading("现金盘亏");
    p.Debit("待处理财产损溢-待处理流动资产损溢", cashShortage);
    p.Credit("库存现金", cashShortage);
    p.Blank();
    p.Heading("经批准后");
    Figure shortageExpensed = p.Check(
        cashShortage - cashierCompensation);  // the part of the shortage the cashier does not make good
    p.Debit("管理费用-现金短缺", shortageExpensed);
    p.Debit("其他应收款", cashierCompensation);
    p.Credit("待处理财产损溢-待处理流动资产损溢", cashShortage);
    p.Blank();
    p.Heading("收到出纳赔款");
    p.Debit("库存现金", cashierCompensation);
    p.Credit("其他应收款-出纳", cashierCompensation);
  }
}

constexpr Item kItems[] = {Section("现金盘盈"), Field(1, "现金多余"), Section("现金盘亏"),
                           Field(2, "现金短缺"), Field(3, "出纳赔款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm10{
    .id = "Form10",
    .width = 9285,
    .height = 7935,
    .columns = kColumns,
    .press = PressForm10,
};

}  // namespace varnello
