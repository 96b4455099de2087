// Form105: goods rented out: transfer at cost, rent, monthly amortisation, deposit and scrapping.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm105(Press& p) {
  Figure unitCost = p.Read(1), unitSellingPrice = p.Read(2), quantity = p.Read(3), rent = p.Read(4),
         deposit = p.Read(5), scrapped = p.Read(6);
  p.Heading("出租商品");
  Figure rentedGoodsCost = p.Check(quantity * unitCost);
  p.Debit("出租商品", rentedGoodsCost);
  Figure rentedGoodsAtSellingPrice = p.Check(quantity * unitSellingPrice);
  p.Debit("商品进销差价", p.Check(rentedGoodsAtSellingPrice - rentedGoodsCost));
  p.Credit("库存商品", rentedGoodsAtSellingPrice);
  p.Blank();
  p.Heading("收到租金");
  p.Debit("库存现金/银行存款", rent);
  p.Credit("其他业务收入", rent);
  p.Blank();
  p.Heading("月末摊销");
  // One month's share of the cost of the rented goods.
  Figure monthlyAmortisation = p.Check(rentedGoodsCost / 12);
  p.Debit("其他业务支出", monthlyAmortisation);
  p.Credit("出租商品-摊销", monthlyAmortisation);
  p.Blank();
  p.Heading("收取押金");
  p.Debit("库存现金/银行存款", deposit);
  p.Credit("其他应付款", deposit);
  p.Blank();
  p.Heading("退还押金");
  p.Debit("其他应付款", deposit);
  p.Credit("库存现金/银行存款", deposit);
  p.Blank();
  p.Heading("报废");
  p.Debit("其他业务支出", scrapped);
  p.Credit("出租商品", scrapped);
}

constexpr Item kItems[] = {Field(1, "出租品进价"), Field(2, "出租品售价"), Field(3, "出租品数量"),
                           Field(4, "租金"),       Field(5, "押金"),       Field(6, "报废款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm105{
    .id = "Form105",
    .columns = kColumns,
    .press = PressForm105,
};

}  // namespace varnello
