// Form57: scrapping of a fixed asset with clearing costs, scrap proceeds and compensation.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm57(Press& p) {
  Figure O = p.Read(1), Dp = p.Read(2), K = p.Read(3), Sc = p.Read(4), Rp = p.Read(5), Ri = p.Read(6);
  Figure N = p.Check(O - Dp, "账面净值");  // net book value
  p.Heading("固定资产清理");
  p.Line("固定资产清理（借）", N);
  p.Line("累计折旧（借）", Dp);
  p.Line("固定资产（贷）", O);
  p.Blank();
  p.Heading("支付清理费用");
  p.Line("固定资产清理（借）", K);
  p.Line("库存现金（贷）", K);
  p.Blank();
  p.Heading("出售残料收入");
  p.Line("库存现金（借）", Sc);
  p.Line("固定资产清理（贷）", Sc);
  p.Blank();
  p.Heading("收到赔款");
  p.Line("银行存款（借）", Rp);
  p.Line("其他应收款（借）", Ri);
  Figure Z = p.Check(Ri + Rp);
  p.Line("固定资产清理（贷）", Z);
  p.Blank();
  p.Heading("结转清理净损失");
  // The net loss is posted as it comes out: a gain shows as a negative loss.
  Figure L = p.Check(((N + K) - Sc) - Z);
  p.Line("营业外支出（借）", L);
  p.Line("固定资产清理（贷）", L);
}

constexpr Item kItems[] = {Field(1, "固定资产原价"), Field(2, "已提折旧"),   Field(3, "固定资产清理费"),
                           Field(4, "出售残料"),     Field(5, "过错方赔偿"), Field(6, "保险公司赔偿")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm57{
    .id = "Form57",
    .columns = kColumns,
    .press = PressForm57,
};

}  // namespace varnello
