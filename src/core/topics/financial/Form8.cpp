// Form8: sale of available-for-sale shares, and its effect on the half-year profit and loss.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm8(Press& p) {
  Figure salePrice = p.Read(1), shareCount = p.Read(2), shareCost = p.Read(3), fairValueChange = p.Read(4),
         fees = p.Read(5);
  p.Heading("出售时");
  Figure netProceeds = p.Check(shareCount * salePrice - fees);
  Figure carryingAmount = p.Check(fairValueChange + shareCost);
  Figure lossOnSale = p.Check(carryingAmount - netProceeds);
  p.Debit("银行存款", netProceeds);
  p.Debit("投资收益", lossOnSale);
  p.Credit("可供出售金融资产-成本", shareCost);
  p.Credit("公允价值变动", fairValueChange);
  p.Blank();
  p.Debit("资本公积", fairValueChange);
  p.Credit("投资收益", fairValueChange);
  p.Blank();
  Figure profitEffect = p.Check(fairValueChange - lossOnSale);
  p.Line("该业务对半年度中期报表损益的影响", profitEffect);
}

constexpr Item kItems[] = {Field(1, "出售价格"), Field(2, "股票数量"), Field(3, "股票成本（总）"),
                           Field(4, "公允价值变动"), Field(5, "手续费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm8{
    .id = "Form8",
    .width = 10410,
    .height = 9420,
    .columns = kColumns,
    .press = PressForm8,
};

}  // namespace varnello
