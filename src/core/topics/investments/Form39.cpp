// Form39: an equity investment, a patent and a bank deposit contributed for paid-in capital,
// and the transfer of those assets.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm39(Press& p) {
  Figure capitalGranted = p.Read(1), equityInvestment = p.Read(2), patent = p.Read(3),
         bankDeposit = p.Read(4), investmentBookValue = p.Read(5), patentBookValue = p.Read(6);
  p.Heading("出资");
  p.Debit("长期股权投资", equityInvestment);
  p.Debit("无形资产", patent);
  p.Debit("银行存款", bankDeposit);
  // Contributed beyond the capital granted.
  Figure capitalReserve = p.Check(((patent + equityInvestment) + bankDeposit) - capitalGranted);
  p.Credit("实收资本", capitalGranted);
  p.Credit("资本公积", capitalReserve);
  p.Blank();

  p.Heading("转移资产");
  Figure transferred = p.Check((patent + equityInvestment) + bankDeposit);
  Figure contributedAssets = p.Check(patent + equityInvestment);
  Figure bookValues = p.Check(patentBookValue + investmentBookValue);
  Figure gainOnTransfer = p.Check(contributedAssets - bookValues, "转让收益");
  p.Debit("长期股权投资", transferred);
  // A loss on the transfer (book values beyond the values contributed) is a non-operating expense.
  if (gainOnTransfer < 0) p.Debit("营业外支出", -gainOnTransfer);
  p.Credit("长期股权投资", investmentBookValue);
  p.Credit("无形资产", patentBookValue);
  if (gainOnTransfer >= 0) p.Credit("营业外收入", gainOnTransfer);
  p.Credit("银行存款", bankDeposit);
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
