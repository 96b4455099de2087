// Form60: an intangible asset bought, or contributed by an investor.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm60(Press& p) {
  Figure purchasedAsset = p.Read(1), purchasedVat = p.Read(2), contributedAsset = p.Read(3),
         contributedVat = p.Read(4);
  if (purchasedAsset > 0) {
    p.Heading("外购无形资产");
    Figure cost = p.Check(purchasedVat + purchasedAsset);
    p.Debit("无形资产", cost);
    p.Credit("银行存款", cost);
  }
  if (contributedAsset > 0) {
    p.Heading("投入无形资产");
    Figure value = p.Check(contributedVat + contributedAsset);
    p.Debit("无形资产", value);
    p.Credit("银行存款", value);
  }
}

constexpr Item kItems[] = {Section("外购无形资产"),       Field(1, "无形资产"), Field(2, "增值税"),
                           Section("投资者投入无形资产"), Field(3, "无形资产"), Field(4, "增值税")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm60{
    .id = "Form60",
    .columns = kColumns,
    .press = PressForm60,
};

}  // namespace varnello
