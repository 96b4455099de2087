// Form116: four investors contribute know-how, a land-use right, raw materials and money; each
// in-kind contribution is credited to its investor's capital together with its value-added tax.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm116(Press& p) {
  Figure knowHow = p.Read(1), knowHowVat = p.Read(2), landUseRight = p.Read(3), landUseRightVat = p.Read(4),
         rawMaterials = p.Read(5), rawMaterialsVat = p.Read(6), money = p.Read(7);
  p.Debit("银行存款", money);
  p.Debit("无形资产-非专利技术", knowHow);
  p.Debit("无形资产-土地使用权", landUseRight);
  p.Debit("原材料", rawMaterials);
  Figure tax = p.Check((landUseRightVat + knowHowVat) + rawMaterialsVat);
  p.Debit("应交税费-应交增值税（进）", tax);
  Figure first = p.Check(knowHowVat + knowHow);
  p.Credit("实收资本-甲", first);
  Figure second = p.Check(landUseRightVat + landUseRight);
  p.Credit("实收资本-乙", second);
  Figure third = p.Check(rawMaterialsVat + rawMaterials);
  p.Credit("实收资本-丙", third);
  p.Credit("实收资本-丁", money);
}

constexpr Item kItems[] = {Field(1, "技术投资"),   Field(2, "技术增值税"), Field(3, "土地投资"),
                           Field(4, "土地增值税"), Field(5, "原材料投资"), Field(6, "原材料增值税"),
                           Field(7, "货币投资")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm116{
    .id = "Form116",
    .columns = kColumns,
    .press = PressForm116,
};

}  // namespace varnello
