// Form39: an equity investment, a patent and a bank deposit contributed for paid-in capital,
// and the transfer of those assets.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm39(Press& p) {
  Figure capitalGranted = p.Read(1), equityInvestment = p.Read(2), patent = p.Read(3),
         bankDeposit = p.Read(4), investmentBookValue = p.Read(5), patentBookValue = p.Read(6);
  p.Heading("出资");
  p.Line("长期股权投资（借）", equityInvestment);
  p.Line("无形资产（借）", patent);
  p.Line("银行存款（借）", bankDeposit);
  // Contributed beyond the capital granted.
  Figure capitalReserve = p.Check(((patent + equityInvestment) + bankDeposit) - capitalGranted);
  p.Line("实收资本（贷）", capitalGranted);
  p.Line("资本公积（贷）", capitalReserve);
  p.Blank();

  p.Heading("转移资产");
  Figure transferred = p.Check((patent + equityInvestment) + bankDeposit);
  Figure contributedAssets = p.Check(patent + equityInvestment);
  Figure bookValues = p.Check(patentBookValue + investmentBookValue);
  Figure gainOnTransfer = p.Check(contributedAssets - bookValues, "转让收益");
  p.Line("长期股权投资（借）", transferred);
  // A loss on the transfer (book values beyond the values contributed) is a non-operating expense.
  if (gainOnTransfer < 0) p.Line("营业外支出（借）", -gainOnTransfer);
  p.Line("长期股权投资（贷）", investmentBookValue);
  p.Line("无形资产（贷）", patentBookValue);
  if (gainOnTransfer >= 0) p.Line("营业外收入（贷）", gainOnTransfer);
  p.Line("银行存款（贷）", bankDeposit);
}

constexpr Item kItems[] = {Field(1, "取得股权总额"), Field(2, "长期股权投资"), Field(3, "专利技术"),
                           Field(4, "占用银行存款"), Field(5, "投资账面余额"), Field(6, "无形资产账面价值")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm39{
    .id = "Form39",
    .columns = kColumns,
    .press = PressForm39,
};

}  // namespace varnello
