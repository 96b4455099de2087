// Form101: one month's payroll, from the accrual of its cost to the payment of wages, bonuses,
// social insurance, withheld income tax and housing fund.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm101(Press& p) {
  Figure A1 = p.Read(1), A2 = p.Read(2), A3 = p.Read(3), A4 = p.Read(4);
  Figure C1 = p.Read(5), C2 = p.Read(6), C3 = p.Read(7), C4 = p.Read(8), C5 = p.Read(9);
  Figure W = p.Read(10), B = p.Read(11), HC = p.Read(12), I = p.Read(13);
  Figure P1 = p.Read(14), P2 = p.Read(15), P3 = p.Read(16), HP = p.Read(17);
  Figure A5 = p.Read(18), A6 = p.Read(19);

  p.Heading("计提费用");
  p.Line("管理费用（借）", A1);
  p.Line("销售费用（借）", A2);
  p.Line("制造费用（借）", A3);
  p.Line("生产成本（借）", A4);
  p.Line("在建工程（借）", A5);
  p.Line("其他费用（应付福利费）（借）", A6);
  p.Line("应付职工薪酬-养老（公司）（贷）", C1);
  p.Line("应付职工薪酬-医疗（公司）（贷）", C2);
  p.Line("应付职工薪酬-失业（公司）（贷）", C3);
  p.Line("应付职工薪酬-工伤（公司）（贷）", C4);
  p.Line("应付职工薪酬-生育（公司）（贷）", C5);
  p.Line("应付职工薪酬-职工工资（公司）（贷）", W);
  p.Line("应付职工薪酬-奖金（公司）（贷）", B);
  p.Line("应付职工薪酬-住房公积金（公司）（贷）", HC);
  p.Blank();

  p.Heading("发放工资");
  p.Line("应付职工薪酬-职工工资（借）", W);
  Figure net = p.Check(((((W - I) - P1) - P2) - P3) - HP, "实发工资");
  p.Line("现金/银行存款（贷）", net);
  p.Line("应交税费-代扣个人所得税（贷）", I);
  p.Line("其他应付款-养老（个人）（贷）", P1);
  p.Line("其他应付款-医疗（个人）（贷）", P2);
  p.Line("其他应付款-失业（个人）（贷）", P3);
  p.Line("应付职工薪酬-住房公积金（个人）（贷）", HP);
  p.Blank();

  p.Heading("发放奖金");
  p.Line("应付职工薪酬-奖金（借）", B);
  p.Line("银行存款（贷）", B);
  p.Blank();

  // Social insurance paid: company and withheld personal shares, without the housing fund.
  p.Heading("缴纳社保");
  p.Line("应付职工薪酬-养老（公司）（借）", C1);
  p.Line("应付职工薪酬-医疗（公司）（借）", C2);
  p.Line("应付职工薪酬-失业（公司）（借）", C3);
  p.Line("应付职工薪酬-工伤（公司）（借）", C4);
  p.Line("应付职工薪酬-生育（公司）（借）", C5);
  p.Line("其他应付款-养老（个人）（借）", P1);
  p.Line("其他应付款-医疗（个人）（借）", P2);
  p.Line("其他应付款-失业（个人）（借）", P3);
  Figure social = p.Check(((((((C2 + C1) + C3) + C4) + C5) + P1) + P2) + P3, "社保合计");
  p.Line("银行存款（贷）", social);
  p.Blank();

  p.Heading("缴纳个税");
  p.Line("应交税费-代扣代缴个人所得税（借）", I);
  p.Line("银行存款（贷）", I);
  p.Blank();

  Figure housing = p.Check(HP + HC, "住房公积金合计");
  p.Heading("缴纳住房公积金");
  p.Line("应付职工薪酬-住房公积金（个人）（借）", HP);
  p.Line("应付职工薪酬-住房公积金（公司）（借）", HC);
  p.Line("银行存款（贷）", housing);
}

// Right column: the cost-bearing accounts and the company's insurance contributions; left
// column: wages, bonuses, housing fund, income tax, welfare and the withheld personal shares.
constexpr Item kColumn1[] = {Field(10, "职工工资"),           Field(11, "奖金"),
                             Field(12, "住房公积金（公司）"), Field(13, "个人所得税"),
                             Field(19, "其他费用（福利费）"), Field(14, "养老保险（个人）"),
                             Field(15, "医疗保险（个人）"),   Field(16, "失业保险（个人）"),
                             Field(17, "住房公积金（个人）")};
constexpr Item kColumn2[] = {Field(1, "管理费用"),         Field(2, "销售费用"),
                             Field(3, "制造费用"),         Field(4, "生产成本"),
                             Field(18, "在建工程"),        Field(5, "养老保险（公司）"),
                             Field(6, "医疗保险（公司）"), Field(7, "失业保险（公司）"),
                             Field(8, "工伤保险（公司）"), Field(9, "生育保险（公司）")};
constexpr Column kColumns[] = {kColumn1, kColumn2};
// Fields in the order a user fills them in, which is not by field number here.
constexpr int kFillOrder[] = {1, 2, 3, 4, 18, 5, 6, 7, 8, 9, 10, 11, 12, 13, 19, 14, 15, 16, 17};

}  // namespace

extern constexpr TopicDesc kForm101{
    .id = "Form101",
    .columns = kColumns,
    .press = PressForm101,
    .fillOrder = kFillOrder,
};

}  // namespace varnello
