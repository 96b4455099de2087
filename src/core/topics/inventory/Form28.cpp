// Form28: purchase of raw materials (freight paid by us, then freight borne by the seller), and raw
// materials produced in-house.
#include "core/engine/topic.h"

namespace varnello {
namespace {

// The three stages of one purchase: in transit, received from transit, received at once. The cost
// figure is computed just before its first line, after the heading "未入库".
template <typename CostFn>
void PrintPurchase(Press& p, CostFn cost_of, Figure vat) {
  p.Heading("未入库");
  Figure cost = cost_of();
  p.Debit("在途物资", cost);
  p.Debit("应交税金-应交增值税（进）", vat);
  Figure paid = p.Check(cost + vat);
  p.Credit("银行存款/应付票据", paid);
  p.Blank();
  p.Heading("已入库");
  p.Debit("原材料", cost);
  p.Credit("在途物资", cost);
  p.Blank();
  p.Heading("直接入库");
  p.Debit("原材料", cost);
  p.Debit("应交税金-应交增值税（进）", vat);
  p.Credit("银行存款/应付票据", paid);
  p.Blank();
}

void PressForm28(Press& p) {
  Figure materialPrice = p.Read(1), inputVat = p.Read(2), freight = p.Read(3), warehouseCharge = p.Read(5),
         homemadeMaterials = p.Read(4);
  if (materialPrice > 0) {
    // Freight and the warehouse-entry charge are part of the cost when we pay them.
    p.Heading("我方付运费（或者对方代垫）");
    PrintPurchase(
        p, [&] { return p.Check((freight + materialPrice) + warehouseCharge); }, inputVat);
    p.Blank();
    p.Blank();
    p.Heading("对方付运费（包邮包进仓）");
    PrintPurchase(
        p, [&] { return materialPrice; }, inputVat);
  }
  if (homemadeMaterials > 0) {
    p.Heading("自产原材料");
    p.Debit("原材料", homemadeMaterials);
    p.Credit("生产成本", homemadeMaterials);
  }
}

constexpr Item kItems[] = {Section("购买原材料"), Field(1, "原材料价格"), Field(2, "增值税"),
                           Field(3, "运费"),      Field(5, "进仓费"),     Section("自产原材料"),
                           Field(4, "自产原材料")};
constexpr Column kColumns[] = {kItems};
// Fields in the order a user fills them in, which is not by field number here.
constexpr int kFillOrder[] = {1, 2, 3, 5, 4};

}  // namespace

extern constexpr TopicDesc kForm28{
    .id = "Form28",
    .columns = kColumns,
    .press = PressForm28,
    .fillOrder = kFillOrder,
};

}  // namespace varnello
