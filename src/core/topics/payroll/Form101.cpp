// Form101: one month's payroll, from the accrual of its cost to the payment of wages, bonuses,
// social insurance, withheld income tax and housing fund.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm101(Press& p) {
  Figure adminExpenses = p.Read(1), sellingExpenses = p.Read(2), manufacturingOverhead = p.Read(3),
         productionCost = p.Read(4);
  Figure pensionCompany = p.Read(5), medicalCompany = p.Read(6), unemploymentCompany = p.Read(7),
         injuryCompany = p.Read(8), maternityCompany = p.Read(9);
  Figure wages = p.Read(10), bonus = p.Read(11), housingFundCompany = p.Read(12), incomeTax = p.Read(13);
  Figure pensionPersonal = p.Read(14), medicalPersonal = p.Read(15), unemploymentPersonal = p.Read(16),
         housingFundPersonal = p.Read(17);
  Figure constructionInProgress = p.Read(18), welfareExpense = p.Read(19);

  p.Heading("计提费用");
  p.Debit("管理费用", adminExpenses);
  p.Debit("销售费用", sellingExpenses);
  p.Debit("制造费用", manufacturingOverhead);
  p.Debit("生产成本", productionCost);
  p.Debit("在建工程", constructionInProgress);
  p.Debit("其他费用（应付福利费）", welfareExpense);
  p.Credit("应付职工薪酬-养老（公司）", pensionCompany);
  p.Credit("应付职工薪酬-医疗（公司）", medicalCompany);
  p.Credit("应付职工薪酬-失业（公司）", unemploymentCompany);
  p.Credit("应付职工薪酬-工伤（公司）", injuryCompany);
  p.Credit("应付职工薪酬-生育（公司）", maternityCompany);
  p.Credit("应付职工薪酬-职工工资（公司）", wages);
  p.Credit("应付职工薪酬-奖金（公司）", bonus);
  p.Credit("应付职工薪酬-住房公积金（公司）", housingFundCompany);
  p.Blank();

  p.Heading("发放工资");
  p.Debit("应付职工薪酬-职工工资", wages);
  Figure netWages =
      p.Check(((((wages - incomeTax) - pensionPersonal) - medicalPersonal) - unemploymentPersonal) -
                  housingFundPersonal,
              "实发工资");
  p.Credit("现金/银行存款", netWages);
  p.Credit("应交税费-代扣个人所得税", incomeTax);
  p.Credit("其他应付款-养老（个人）", pensionPersonal);
  p.Credit("其他应付款-医疗（个人）", medicalPersonal);
  p.Credit("其他应付款-失业（个人）", unemploymentPersonal);
  p.Credit("应付职工薪酬-住房公积金（个人）", housingFundPersonal);
  p.Blank();

  p.Heading("发放奖金");
  p.Debit("应付职工薪酬-奖金", bonus);
  p.Credit("银行存款", bonus);
  p.Blank();

  // Social insurance paid: company and withheld personal shares, without the housing fund.
  p.Heading("缴纳社保");
  p.Debit("应付职工薪酬-养老（公司）", pensionCompany);
  p.Debit("应付职工薪酬-医疗（公司）", medicalCompany);
  p.Debit("应付职工薪酬-失业（公司）", unemploymentCompany);
  p.Debit("应付职工薪酬-工伤（公司）", injuryCompany);
  p.Debit("应付职工薪酬-生育（公司）", maternityCompany);
  p.Debit("其他应付款-养老（个人）", pensionPersonal);
  p.Debit("其他应付款-医疗（个人）", medicalPersonal);
  p.Debit("其他应付款-失业（个人）", unemploymentPersonal);
  Figure socialInsurance = p.Check(
      ((((((medicalCompany + pensionCompany) + unemploymentCompany) + injuryCompany) + maternityCompany) +
        pensionPersonal) +
       medicalPersonal) +
          unemploymentPersonal,
      "社保合计");
  p.Credit("银行存款", socialInsurance);
  p.Blank();

  p.Heading("缴纳个税");
  p.Debit("应交税费-代扣代缴个人所得税", incomeTax);
  p.Credit("银行存款", incomeTax);
  p.Blank();

  Figure housingFund = p.Check(housingFundPersonal + housingFundCompany, "住房公积金合计");
  p.Heading("缴纳住房公积金");
  p.Debit("应付职工薪酬-住房公积金（个人）", housingFundPersonal);
  p.Debit("应付职工薪酬-住房公积金（公司）", housingFundCompany);
  p.Credit("银行存款", housingFund);
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
