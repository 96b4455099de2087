// Form54: a fixed asset found in surplus or missing at stocktaking, before and after approval.
// The two blocks are independent and follow each other without a blank line.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm54(Press& p) {
  Figure surplusAsset = p.Read(1), originalCost = p.Read(2), accumulatedDepreciation = p.Read(3);
  if (surplusAsset > 0) {
    p.Heading("盘盈固定资产");
    p.Heading("批准前");
    p.Debit("固定资产", surplusAsset);
    p.Credit("待处理财产损溢", surplusAsset);
    p.Blank();
    p.Heading("批准后");
    p.Debit("待处理财产损溢", surplusAsset);
    p.Credit("固定资产", surplusAsset);
  }
  if (originalCost > 0) {
    p.Heading("盘亏固定资产");
    p.Heading("批准前");
    Figure netBookValue =
        p.Check(originalCost - accumulatedDepreciation, "账面净值");  // net book value of the missing asset
    p.Debit("待处理财产损溢", netBookValue);
    p.Debit("累计折旧", accumulatedDepreciation);
    p.Credit("固定资产", originalCost, SideMark::Unclosed);  // the caption lacks its closing parenthesis
    p.Blank();
    p.Heading("批准后");
    p.Debit("营业外支出", netBookValue);
    p.Credit("待处理财产损溢", netBookValue);
  }
}

constexpr Item kItems[] = {Section("盘盈固定资产"), Field(1, "盘盈设备"), Section("盘亏固定资产"),
                           Field(2, "账面原价"), Field(3, "计提折旧累计")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm54{
    .id = "Form54",
    .columns = kColumns,
    .press = PressForm54,
};

}  // namespace varnello
