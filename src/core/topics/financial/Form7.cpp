// Form7: sale of an available-for-sale financial asset.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm7(Press& p) {
  Figure fairValue = p.Read(1), bookValue = p.Read(2), salePrice = p.Read(3);
  Figure gainOnSale = p.Check(salePrice - fairValue);
  Figure reserveRecycled = p.Check(fairValue - bookValue);
  Figure totalGain = p.Check(reserveRecycled + gainOnSale);
  p.Heading("出售金融资产");
  p.Debit("银行存款", salePrice);
  p.Credit("可供出售金融资产", fairValue);
  p.Credit("投资收益", gainOnSale);
  p.Blank();
  p.Heading("投资收益");
  p.Debit("资本公积-其他资本公积", reserveRecycled);
  p.Credit("投资收益", reserveRecycled);
  p.Blank();
  p.Line("出售时确认的投资收益", totalGain);
}

constexpr Item kItems[] = {Field(1, "公允价值"), Field(2, "账面价值"), Field(3, "出售价值")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm7{
    .id = "Form7",
    .width = 10590,
    .height = 9660,
    .columns = kColumns,
    .press = PressForm7,
};

}  // namespace varnello
