// Form63: an intangible asset amortised monthly, then transferred at a gain or a loss.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm63(Press& p) {
  Figure assetValue = p.Read(1), patentYears = p.Read(2), transferPrice = p.Read(3),
         transferCosts = p.Read(4), tax = p.Read(5), monthsUsed = p.Read(6);
  // Without a positive amortisation period there is no monthly charge; it then counts as 0.
  FigureHolder monthlyAmortisation;
  if (patentYears > 0) {
    p.Heading("摊销无形资产");
    monthlyAmortisation = p.Check(p.Div(assetValue, patentYears) / 12);
    p.Line("制造费用-技术转让费", monthlyAmortisation);
    p.Line("累计摊销", monthlyAmortisation);
  }
  p.Blank();
  Figure amortised = p.Check(monthlyAmortisation.value() * monthsUsed);
  p.Line("已摊销额", amortised);
  Figure bookValue = p.Check(assetValue - amortised);
  p.Line("账面价值", bookValue);
  Figure transferGain = p.Check(((transferPrice - bookValue) - tax) - transferCosts);
  p.Line("转让收益", transferGain);
  p.Blank();
  Figure received = p.Check(transferPrice - transferCosts);
  p.Debit("银行存款", received);
  p.Debit("累计摊销", amortised);
  if (transferGain < 0) p.Debit("营业外收入", -transferGain);
  p.Credit("无形资产", assetValue);
  p.Credit("应交税费", tax);
  if (transferGain > 0) p.Credit("营业外收入", transferGain);
}

constexpr Item kItems[] = {Field(1, "无形资产价值"), Field(2, "专利年限"), Field(3, "转让价格"),
                           Field(4, "转让费用"),     Field(5, "税金"),     Field(6, "使用时间（月）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm63{
    .id = "Form63",
    .columns = kColumns,
    .press = PressForm63,
};

}  // namespace varnello
