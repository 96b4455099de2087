// Form52: depreciation calculator with four independent methods. Each group prints only when
// all of its inputs are strictly positive; its fields are read just before it is computed.
// 退出 leads on to the distribution window Form53.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm52(Press& p) {
  // Straight line.
  Figure r1 = p.Read(1), n1 = p.Read(2), C1 = p.Read(3);
  if (r1 > 0 && n1 > 0 && C1 > 0) {
    Figure Y1 = p.Check(p.Div(1 - r1, n1) * C1, "年折旧额");
    Figure M1 = p.Check(Y1 / 12, "月折旧额");
    p.Line("累计折旧", Y1);
    p.Line("累计折旧（月）", M1);
  }

  // Double-declining balance: the rate 2/n applied to the book value left at the start of year
  // k, with no switch to straight line and no residual value. The year need not be whole.
  Figure n2 = p.Read(4), C2 = p.Read(5), k2 = p.Read(6);
  if (n2 > 0 && C2 > 0 && k2 > 0) {
    Figure e = p.Check(k2 - 1);
    Figure b = p.Check(1 - p.Div(2, n2), "年末余额比例");
    Figure P = p.Pow(b, e, "期初余额比例");
    Figure Y2 = p.Div((P * C2) * 2, n2);
    p.Line("累计折旧", Y2);
  }

  // Units of production.
  Figure C3 = p.Read(7), r3 = p.Read(8), W = p.Read(9), w = p.Read(14);
  if (C3 > 0 && r3 > 0 && W > 0 && w > 0) {
    Figure U = p.Div(C3 * (1 - r3), W, "单位工作量折旧额");  // per unit of work
    Figure Y3 = p.Check(U * w);
    p.Line("累计折旧（当期）", Y3);
  }

  // Sum of the years' digits.
  Figure k4 = p.Read(10), n4 = p.Read(11), C4 = p.Read(12), S4 = p.Read(13);
  if (k4 > 0 && n4 > 0 && C4 > 0 && S4 > 0) {
    Figure L = p.Check(n4 - (k4 - 1), "尚可使用年限");      // remaining life counted from this year
    Figure sum = p.Check((n4 * (n4 + 1)) / 2, "年数总和");  // sum of the years' digits
    Figure R = p.Div(L, sum, "年折旧率");                   // rate of the year
    Figure Y4 = p.Check((C4 - S4) * R);
    p.Line("累计折旧（当期）", Y4);
    p.Line("年折旧率", R);
  }
}

constexpr Item kColumn1[] = {Section("双倍余额递减法"), Field(4, "预计使用寿命"), Field(5, "固定资产原价"),
                             Field(6, "使用年数"),      Section("工作量法"),      Field(7, "固定资产原价"),
                             Field(8, "预计净残值率"),  Field(9, "预计总工作量"), Field(14, "当期工作量")};
constexpr Item kColumn2[] = {Section("年限平均法"),     Field(1, "预计净残值率"),  Field(2, "预计使用寿命"),
                             Field(3, "固定资产原价"),  Section("年数总和法"),     Field(10, "已使用年限"),
                             Field(11, "预计使用年限"), Field(12, "固定资产原价"), Field(13, "净残值")};
constexpr Column kColumns[] = {kColumn1, kColumn2};
// Fields in the order a user fills them in, which is not by field number here.
constexpr int kFillOrder[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 10, 11, 12, 13};

}  // namespace

extern constexpr TopicDesc kForm52{
    .id = "Form52",
    .columns = kColumns,
    .press = PressForm52,
    .exitTo = "Form53",
    .fillOrder = kFillOrder,
};

}  // namespace varnello
