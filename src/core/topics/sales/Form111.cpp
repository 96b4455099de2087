// Form111: the loss on a fixed asset written off, held pending approval and then charged to
// non-operating expenses.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm111(Press& p) {
  Figure originalCost = p.Read(1), depreciation = p.Read(2);
  p.Heading("批准前");
  // Recorded value less the depreciation already charged.
  Figure bookValue = p.Check(originalCost - depreciation, "账面价值");
  p.Debit("待处理财产损溢", bookValue);
  p.Debit("累计折旧", depreciation);
  p.Credit("固定资产", originalCost);
  p.Blank();
  p.Heading("批准后");
  p.Debit("营业外支出", bookValue);
  p.Credit("待处理财产损溢", bookValue);
}

constexpr auto kItems =
    postings::TwoFields("营业外支出：企业罚款支出、捐赠支出、非常损失", "账面价值", "已提折旧");
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm111{
    .id = "Form111",
    .columns = kColumns,
    .press = PressForm111,
};

}  // namespace varnello
