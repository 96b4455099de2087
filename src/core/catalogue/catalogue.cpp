#include "core/catalogue/catalogue.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/engine/topic.h"

namespace varnello {

namespace {

constexpr KeywordRow kKeywords[] = {
    {"股价变动", "Form2"},
    {"少记折旧", "Form3"},
    {"商业汇票", "Form4"},
    {"摊余成本", "Form5"},
    {"买股票", "Form6"},
    {"购入股票", "Form6"},
    {"购买股票", "Form6"},
    {"投资收益", "Form7"},
    {"出售股票对报表损益影响", "Form8"},
    {"债券价格持续下跌", "Form9"},
    {"现金盘盈", "Form10"},
    {"现金盘亏", "Form10"},
    {"购买原材料", "Form11"},
    {"外埠存款", "Form11"},
    {"汇票", "Form12"},
    {"本票", "Form12"},
    {"外埠采购", "Form12"},
    {"信用证", "Form13"},
    {"信用卡", "Form13"},
    {"贴现", "Form14"},
    {"带息票据", "Form15"},
    {"票据销售", "Form15"},
    {"销售商品", "Form16"},
    {"打折销售", "Form17"},
    {"坏账准备", "Form18"},
    {"管理费用", "Form19"},
    {"其他应收款", "Form20"},
    {"销售费用", "Form21"},
    {"其他应付款", "Form22"},
    {"制造费用", "Form23"},
    {"财务费用", "Form24"},
    {"其他费用", "Form25"},
    {"生产成本", "Form26"},
    {"支出", "Form27"},
    {"费用", "Form27"},
    {"购买原材料（完整）", "Form28"},
    {"自产原材料", "Form28"},
    {"包装", "Form29"},
    {"存货盘盈", "Form30"},
    {"存货盘亏", "Form30"},
    {"原材料盘亏", "Form31"},
    {"原材料盘盈", "Form32"},
    {"盘盈", "Form33"},
    {"盘亏", "Form33"},
    {"产品损失", "Form34"},
    {"购买债券", "Form35"},
    {"出售债券", "Form36"},
    {"出售股票", "Form36"},
    {"债价变动", "Form37"},
    {"长期股权投资", "Form38"},
    {"股权", "Form38"},
    {"组合投资", "Form39"},
    {"转移产权", "Form39"},
    {"转移固定资产", "Form40"},
    {"固定资产投资", "Form40"},
    {"购买长期债券", "Form41"},
    {"持有长期债券", "Form41"},
    {"出售长期债券", "Form41"},
    {"长期债权投资", "Form41"},
    {"摊销债券", "Form42"},
    {"转让债券", "Form43"},
    {"债券损失", "Form44"},
    {"股票投资成本", "Form45"},
    {"购买固定资产（不安装）", "Form46"},
    {"购买固定资产（安装）", "Form47"},
    {"自建固定资产", "Form48"},
    {"出包工程", "Form49"},
    {"投资固定资产", "Form50"},
    {"固定资产", "Form51"},
    {"累计折旧", "Form52"},
    {"累计折旧计算", "Form53"},
    {"盘盈固定资产", "Form54"},
    {"盘亏固定资产", "Form54"},
    {"租赁固定资产", "Form55"},
    {"出售固定资产", "Form56"},
    {"固定资产报废", "Form57"},
    {"维修固定资产", "Form58"},
    {"改建固定资产", "Form59"},
    {"投入无形资产", "Form60"},
    {"外购无形资产", "Form60"},
    {"开发无形资产", "Form61"},
    {"申请无形资产", "Form62"},
    {"出售无形资产", "Form63"},
    {"摊销无形资产", "Form63"},
    {"出租摊销无形资产", "Form64"},
    {"出租无形资产", "Form64"},
    {"无形资产报废", "Form64"},
    {"无形资产", "Form65"},
    {"股票", "Form66"},
    {"债券", "Form66"},
    {"长期待摊费用", "Form67"},
    {"工程长期待摊费用", "Form67"},
    {"打折购买", "Form68"},
    {"退货", "Form69"},
    {"代销商品", "Form70"},
    {"销售原材料", "Form71"},
    {"产品损坏", "Form72"},
    {"领用原材料", "Form73"},
    {"商品", "Form74"},
    {"货物", "Form74"},
    {"原材料", "Form74"},
    {"购买商品", "Form75"},
    {"预收账款", "Form76"},
    {"应付票据", "Form77"},
    {"票据", "Form78"},
    {"票据贴现", "Form79"},
    {"票据存取贴现", "Form79"},
    {"逾期贷款", "Form79"},
    {"接受投资物", "Form80"},
    {"加工", "Form81"},
    {"进口货物", "Form82"},
    {"购买免税产品", "Form83"},
    {"改造", "Form84"},
    {"分发福利", "Form84"},
    {"捐赠", "Form85"},
    {"结转增值税", "Form86"},
    {"收购出口产品", "Form87"},
    {"出口退税", "Form88"},
    {"购买（小规模纳税人）", "Form89"},
    {"销售（小规模纳税人）", "Form89"},
    {"改造（小规模纳税人）", "Form89"},
    {"小规模纳税人", "Form89"},
    {"出口", "Form90"},
    {"进口", "Form90"},
    {"摊销", "Form91"},
    {"外部经费", "Form91"},
    {"销售应税商品", "Form92"},
    {"自产自用应税商品", "Form93"},
    {"委托加工应税商品", "Form94"},
    {"进口应税商品", "Form95"},
    {"消费税", "Form96"},
    {"营业税", "Form97"},
    {"税金及附加", "Form98"},
    {"个税", "Form99"},
    {"企业所得税", "Form99"},
    {"税费", "Form100"},
    {"工资", "Form101"},
    {"短期借款", "Form102"},
    {"长期借款", "Form103"},
    {"出租包装", "Form104"},
    {"出租商品", "Form105"},
    {"未分配利润", "Form106"},
    {"长期租赁固定资产", "Form107"},
    {"长期购买固定资产", "Form108"},
    {"转让无形资产", "Form109"},
    {"仓库毁损", "Form110"},
    {"营业外支出", "Form111"},
    {"营业外收入", "Form112"},
    {"本年利润", "Form113"},
    {"净利润", "Form113"},
    {"营业利润", "Form113"},
    {"利润总额", "Form113"},
    {"结转本年利润", "Form114"},
    {"资金投资公司", "Form115"},
    {"投资公司", "Form116"},
    {"追加投资", "Form117"},
    {"回购股票", "Form118"},
    {"撤回投资", "Form118"},
    {"租赁", "Form119"},
    {"投资", "Form119"},
    {"增加投资", "Form120"},
    {"发行股票", "Form121"},
    {"增加资本公积", "Form122"},
    {"提取盈余公积", "Form123"},
    {"盈余公积补亏", "Form123"},
    {"盈余公积转增资本", "Form123"},
    {"盈余公积发放股利", "Form124"},
    {"资本公积", "Form125"},
    {"盈余公积", "Form125"},
};

constexpr CategoryButton kForm27Buttons[] = {
    {"Command1", "生产成本", "Form26", 1},     {"Command2", "制造费用", "Form23", 1},
    {"Command3", "其他费用", "Form25", 1},     {"Command4", "管理费用", "Form19", 1},
    {"Command5", "财务费用", "Form24", 1},     {"Command6", "销售费用", "Form21", 1},
    {"Command7", "其他应付款", "Form22", 1},   {"Command8", "其他应收款", "Form20", 1},
    {"Command10", "营业外支出", "Form111", 1}, {"Command9", "退出", "Form1", 0},
};
constexpr CategoryLabel kForm27Labels[] = {
    {"Label1", "包括直接材料费、直接人工、制造费用等", 0, 0},
    {"Label2", "包括间接材料费、折旧费、低值易耗品等", 0, 1},
    {"Label3", "包括车间管理人员工资,辅料消耗,生产设备折旧费,设备维修费等", 0, 2},
    {"Label4", "包括公司经费、劳动保险费、董事会会费等", 0, 3},
    {"Label5", "包括利息支出、汇兑损失、手续费等", 0, 4},
    {"Label6", "包括销售商品过程中发生的保险费、包装费、展览费和广告费、商品维修费、运费等", 0, 5},
    {"Label7", "应付租入固定资产和包装物的租金、暂付款项等", 0, 6},
    {"Label8", "收取保险公司赔款、职工垫款备用金租金、押金等", 0, 7},
    {"Label9", "企业罚款支出、捐赠支出、非常损失", 0, 8},
};
constexpr CategoryButton kForm33Buttons[] = {
    {"Command1", "现金盘盈", "Form10", 1},     {"Command2", "现金盘亏", "Form10", 1},
    {"Command3", "原材料盘盈", "Form32", 1},   {"Command4", "原材料盘亏", "Form31", 1},
    {"Command5", "存货盘盈", "Form30", 1},     {"Command6", "存货盘亏", "Form30", 1},
    {"Command8", "固定资产盘盈", "Form54", 1}, {"Command9", "固定资产盘亏", "Form54", 1},
    {"Command7", "退出", "Form1", 0},
};
constexpr CategoryButton kForm51Buttons[] = {
    {"Command1", "购买固定资产（不安装）", "Form46", 1},
    {"Command2", "购买固定资产（安装）", "Form47", 1},
    {"Command3", "自建固定资产", "Form48", 1},
    {"Command4", "出包工程", "Form49", 1},
    {"Command5", "投资固定资产", "Form50", 1},
    {"Command12", "维修固定资产", "Form58", 1},
    {"Command14", "改造固定资产", "Form84", 1},
    {"Command16", "长期租赁固定资产", "Form107", 1},
    {"Command7", "盘盈固定资产", "Form54", 2},
    {"Command8", "盘亏固定资产", "Form54", 2},
    {"Command9", "租赁固定资产", "Form55", 2},
    {"Command10", "出售固定资产", "Form56", 2},
    {"Command11", "固定资产报废", "Form57", 2},
    {"Command13", "改建固定资产", "Form59", 2},
    {"Command15", "改造固定资产（小规模纳税人）", "Form89", 2},
    {"Command17", "长期购买固定资产", "Form108", 2},
    {"Command6", "退出", "Form1", 0},
};
constexpr CategoryButton kForm65Buttons[] = {
    {"Command1", "投入无形资产", "Form60", 1},
    {"Command2", "外购无形资产", "Form60", 1},
    {"Command3", "开发无形资产", "Form61", 1},
    {"Command4", "申请无形资产", "Form62", 1},
    {"Command5", "出售无形资产", "Form63", 1},
    {"Command6", "摊销无形资产", "Form63", 2},
    {"Command7", "出租摊销无形资产", "Form64", 2},
    {"Command8", "出租无形资产", "Form64", 2},
    {"Command9", "无形资产报废", "Form64", 2},
    {"Command11", "转让无形资产", "Form109", 2},
    {"Command10", "退出", "Form1", 0},
};
constexpr CategoryButton kForm66Buttons[] = {
    {"Command1", "股价变动", "Form2", 1},       {"Command2", "购买股票", "Form6", 1},
    {"Command3", "出售股票", "Form36", 1},      {"Command4", "长期股权投资", "Form38", 1},
    {"Command5", "长期持有股权", "Form38", 1},  {"Command6", "股票投资成本", "Form45", 1},
    {"Command7", "购买债券", "Form35", 2},      {"Command8", "出售债券", "Form36", 2},
    {"Command9", "债价变动", "Form37", 2},      {"Command10", "购买长期债券", "Form41", 2},
    {"Command11", "持有长期债券", "Form41", 2}, {"Command12", "出售长期债券", "Form41", 2},
    {"Command13", "摊销债权", "Form42", 2},     {"Command14", "转让债券", "Form43", 2},
    {"Command15", "债券损失", "Form44", 2},     {"Command16", "退出", "Form1", 0},
};
constexpr CategoryLabel kForm66Labels[] = {
    {"Label1", "股票", 1, -1},
    {"Label2", "债券", 2, -1},
};
constexpr CategoryButton kForm74Buttons[] = {
    {"Command1", "销售商品", "Form16", 1},
    {"Command2", "代销商品", "Form70", 1},
    {"Command3", "打折销售", "Form17", 1},
    {"Command4", "票据销售", "Form15", 1},
    {"Command5", "打折购买", "Form68", 1},
    {"Command6", "购买商品", "Form75", 1},
    {"Command15", "退货", "Form69", 1},
    {"Command23", "改造", "Form84", 1},
    {"Command16", "产品损坏", "Form72", 2},
    {"Command17", "接受投资物", "Form80", 2},
    {"Command18", "加工", "Form81", 2},
    {"Command19", "小规模纳税人", "Form89", 2},
    {"Command20", "购买免税产品", "Form83", 2},
    {"Command21", "分发福利", "Form84", 2},
    {"Command22", "捐赠", "Form85", 2},
    {"Command8", "购买原材料", "Form11", 3},
    {"Command9", "购买原材料（完整）", "Form28", 3},
    {"Command10", "自产原材料", "Form28", 3},
    {"Command11", "原材料盘亏", "Form31", 3},
    {"Command12", "原材料盘盈", "Form32", 3},
    {"Command13", "销售原材料", "Form71", 3},
    {"Command14", "领用原材料", "Form73", 3},
    {"Command7", "退出", "Form1", 0},
};
constexpr CategoryLabel kForm74Labels[] = {
    {"Label1", "商品", 1, -1},
    {"Label3", "原材料", 3, -1},
};
constexpr CategoryButton kForm78Buttons[] = {
    {"Command1", "商业汇票", "Form4", 1},      {"Command2", "汇票（普通）", "Form12", 1},
    {"Command3", "本票", "Form12", 1},         {"Command7", "票据贴现", "Form79", 1},
    {"Command10", "贴现", "Form14", 1},        {"Command4", "带息票据", "Form15", 2},
    {"Command5", "票据销售", "Form15", 2},     {"Command6", "应付票据", "Form77", 2},
    {"Command8", "票据存取贴现", "Form79", 2}, {"Command9", "退出", "Form1", 0},
};
constexpr CategoryButton kForm90Buttons[] = {
    {"Command1", "进口货物", "Form82", 1}, {"Command2", "收购出口产品", "Form87", 1},
    {"Command3", "出口退税", "Form88", 2}, {"Command5", "进口应税商品", "Form95", 2},
    {"Command4", "退出", "Form1", 0},
};
constexpr CategoryButton kForm91Buttons[] = {
    {"Command1", "摊余成本", "Form5", 1},      {"Command2", "摊销债券", "Form42", 1},
    {"Command3", "摊销无形资产", "Form63", 1}, {"Command4", "出租摊销无形资产", "Form64", 1},
    {"Command5", "长期待摊费用", "Form67", 1}, {"Command6", "工程长期待摊费用", "Form67", 1},
    {"Command8", "外埠存款", "Form11", 2},     {"Command9", "外埠采购", "Form12", 2},
    {"Command10", "营业外支出", "Form111", 2}, {"Command11", "营业外收入", "Form112", 2},
    {"Command7", "退出", "Form1", 0},
};
constexpr CategoryLabel kForm91Labels[] = {
    {"Label1", "摊销", 1, -1},
    {"Label2", "外部经费", 2, -1},
};
constexpr CategoryButton kForm96Buttons[] = {
    {"Command1", "销售应税商品", "Form92", 1},
    {"Command2", "自产自用应税商品", "Form93", 1},
    {"Command3", "委托加工应税商品", "Form94", 1},
    {"Command4", "进口应税商品", "Form95", 1},
    {"Command5", "退出", "Form1", 0},
};
constexpr CategoryLabel kForm96Labels[] = {
    {"Label1", "消费税", 1, -1},
};
constexpr CategoryButton kForm100Buttons[] = {
    {"Command1", "销售应税商品", "Form92", 1},
    {"Command2", "自产自用应税商品", "Form93", 1},
    {"Command3", "委托加工应税商品", "Form94", 1},
    {"Command4", "进口应税商品", "Form95", 1},
    {"Command5", "消费税", "Form96", 1},
    {"Command11", "购买免税产品", "Form83", 1},
    {"Command6", "营业税", "Form97", 2},
    {"Command7", "税金及附加", "Form98", 2},
    {"Command8", "个税", "Form99", 2},
    {"Command9", "企业所得税", "Form99", 2},
    {"Command12", "结转增值税", "Form86", 2},
    {"Command13", "出口退税", "Form88", 2},
    {"Command10", "退出", "Form1", 0},
};
constexpr CategoryButton kForm119Buttons[] = {
    {"Command1", "租赁固定资产", "Form55", 1},   {"Command2", "出租摊销无形资产", "Form64", 1},
    {"Command3", "出租无形资产", "Form64", 1},   {"Command4", "出租包装", "Form104", 1},
    {"Command5", "出租商品", "Form105", 1},      {"Command7", "投资收益", "Form7", 2},
    {"Command8", "长期股权投资", "Form38", 2},   {"Command9", "组合投资", "Form39", 2},
    {"Command10", "固定资产投资", "Form40", 2},  {"Command11", "长期债权投资", "Form41", 2},
    {"Command12", "股票投资成本", "Form45", 2},  {"Command19", "短期借款", "Form102", 2},
    {"Command13", "投资固定资产", "Form50", 3},  {"Command14", "接受投资物", "Form80", 3},
    {"Command15", "资金投资公司", "Form115", 3}, {"Command16", "投资公司", "Form116", 3},
    {"Command17", "追加投资", "Form117", 3},     {"Command18", "撤回投资", "Form118", 3},
    {"Command20", "长期借款", "Form103", 3},     {"Command6", "退出", "Form1", 0},
};
constexpr CategoryLabel kForm119Labels[] = {
    {"Label1", "租赁", 1, -1},
    {"Label2", "投资", 2, -1},
};
constexpr CategoryButton kForm125Buttons[] = {
    {"Command1", "增加投资", "Form120", 1},         {"Command2", "发行股票", "Form121", 1},
    {"Command3", "增加资本公积", "Form122", 1},     {"Command4", "提取盈余公积", "Form123", 2},
    {"Command5", "盈余公积补亏", "Form123", 2},     {"Command6", "盈余公积转增资本", "Form123", 2},
    {"Command7", "盈余公积发放股利", "Form124", 2}, {"Command8", "退出", "Form1", 0},
};
constexpr CategoryLabel kForm125Labels[] = {
    {"Label1", "资本公积", 1, -1},
    {"Label2", "盈余公积", 2, -1},
};

constexpr CategoryDesc kCategories[] = {
    {"Form27", kForm27Buttons, kForm27Labels},
    {"Form33", kForm33Buttons, {}},
    {"Form51", kForm51Buttons, {}},
    {"Form65", kForm65Buttons, {}},
    {"Form66", kForm66Buttons, kForm66Labels},
    {"Form74", kForm74Buttons, kForm74Labels},
    {"Form78", kForm78Buttons, {}},
    {"Form90", kForm90Buttons, {}},
    {"Form91", kForm91Buttons, kForm91Labels},
    {"Form96", kForm96Buttons, kForm96Labels},
    {"Form100", kForm100Buttons, {}},
    {"Form119", kForm119Buttons, kForm119Labels},
    {"Form125", kForm125Buttons, kForm125Labels},
};

constexpr MenuEntry kMenu[] = {
    {"支出", "支出/费用", "Form27"},     {"盘盈", "盘盈/盘亏", "Form33"},
    {"股票", "股票/债券", "Form66"},     {"商品", "商品/货物/原材料", "Form74"},
    {"票据", "票据", "Form78"},          {"出口", "出口/进口", "Form90"},
    {"摊销", "摊销/外部经费", "Form91"}, {"税费", "税费", "Form100"},
    {"工资", "工资", "Form101"},         {"净利润", "本年/营业/净利润", "Form113"},
    {"租赁", "租赁/投资", "Form119"},    {"资本", "资本/盈余公积", "Form125"},
    {"累计折旧", "累计折旧", "Form52"},
};

}  // namespace

std::span<const KeywordRow> Keywords() {
  return kKeywords;
}

std::span<const MenuEntry> Menu() {
  return kMenu;
}

std::span<const CategoryDesc> Categories() {
  return kCategories;
}

std::span<const WindowEntry> Windows() {
  // Joined once from the topic and category tables; a window in neither is taken for a topic
  // window without a description (CheckWindowTables reports it).
  static const std::array<WindowEntry, WindowId::kCount> kWindows = [] {
    std::array<WindowEntry, WindowId::kCount> all{};
    for (int n = 1; n <= WindowId::kCount; ++n) all[static_cast<size_t>(n - 1)].id = *WindowId::FromNumber(n);
    all[static_cast<size_t>(kMainWindow.number() - 1)].kind = WindowKind::Main;
    for (const TopicRow& row : TopicRows()) {
      WindowEntry& w = all[static_cast<size_t>(row.desc->id.number() - 1)];
      w.topic = row.desc;
      w.subject = row.subject;
    }
    for (const CategoryDesc& c : Categories()) {
      WindowEntry& w = all[static_cast<size_t>(c.id.number() - 1)];
      w.kind = WindowKind::Category;
      w.category = &c;
    }
    return all;
  }();
  return kWindows;
}

const WindowEntry* FindWindow(WindowId id) {
  return id ? &Windows()[static_cast<size_t>(id.number() - 1)] : nullptr;
}

const TopicDesc* FindTopic(WindowId id) {
  const WindowEntry* w = FindWindow(id);
  return w != nullptr && w->kind == WindowKind::Topic ? w->topic : nullptr;
}

const CategoryDesc* FindCategory(WindowId id) {
  const WindowEntry* w = FindWindow(id);
  return w != nullptr ? w->category : nullptr;
}

std::optional<WindowId> DispatchKeyword(std::string_view text) {
  std::optional<WindowId> found;
  for (const KeywordRow& row : Keywords()) {
    if (row.keyword == text) found = row.window;
  }
  return found;
}

WindowKind KindOf(WindowId window) {
  const WindowEntry* w = FindWindow(window);
  return w != nullptr ? w->kind : WindowKind::Topic;
}

namespace {

// Collects the problems of the tables, each as "<where>: <what>".
class Checker {
 public:
  explicit Checker(const WindowTables& t) : t_(t) {
    for (const TopicDesc* d : t.topics) topics_.push_back(d->id);
    for (const CategoryDesc& c : t.categories) categories_.push_back(c.id);
    std::sort(topics_.begin(), topics_.end());
    std::sort(categories_.begin(), categories_.end());
  }

  bool IsTopic(WindowId w) const { return std::binary_search(topics_.begin(), topics_.end(), w); }
  bool IsCategory(WindowId w) const { return std::binary_search(categories_.begin(), categories_.end(), w); }
  // A window that can be shown: the main window, or one with a descriptor of its own.
  bool Exists(WindowId w) const { return w && (w == kMainWindow || IsCategory(w) || IsTopic(w)); }

  // The program checks its tables at every start: `where` (a callable naming the place) is called
  // only for a problem, and the names seen so far are kept in plain lists, which are short, so that
  // sound tables cost no allocation per name.
  template <typename Where>
  void Target(const Where& where, WindowId target) {
    if (!Exists(target)) Add(where(), "shows a window that does not exist");
  }
  // Records a name; reports it when the same name was recorded before in this scope.
  template <typename Where>
  void Unique(std::vector<std::string_view>& seen, const Where& where, std::string_view name) {
    if (std::find(seen.begin(), seen.end(), name) != seen.end()) {
      Add(where(), std::string(name) + " is named twice");
    } else {
      seen.push_back(name);
    }
  }
  void Add(const std::string& where, std::string_view what) {
    list_.push_back(where + ": " + std::string(what));
  }

  void Topics();
  void Categories();
  void KeywordsAndMenu();
  std::vector<std::string> take() { return std::move(list_); }

 private:
  const WindowTables& t_;
  std::vector<WindowId> topics_;      // the windows with a topic descriptor, sorted
  std::vector<WindowId> categories_;  // and with a category descriptor
  std::vector<int> fields_;           // the field numbers of the topic window being checked
  std::vector<std::string> list_;
};

std::string Where(WindowId w, std::string_view part = {}) {
  std::string s(w ? w.name() : std::string_view("(no window)"));
  if (!part.empty()) s += " " + std::string(part);
  return s;
}

void Checker::Topics() {
  for (size_t i = 0; i < t_.topics.size(); ++i) {
    const TopicDesc& t = *t_.topics[i];
    if (i > 0 && !(t_.topics[i - 1]->id < t.id)) {
      Add(Where(t.id), "listed twice or out of order in the table of windows");
    }
    if (!t.id || t.id == kMainWindow || IsCategory(t.id)) Add(Where(t.id), "is not a topic window");
    if (t.press == nullptr) Add(Where(t.id), "has no press function");
    std::vector<std::string_view> buttons = {"Command1", "Command2", "Command3"};
    fields_.clear();
    for (const Column& column : t.columns) {
      for (const Item& item : column) {
        if (item.field < 0) Add(Where(t.id), "has a negative field number");
        if (item.field > 0) {
          if (std::find(fields_.begin(), fields_.end(), item.field) != fields_.end()) {
            Add(Where(t.id), "Text" + std::to_string(item.field) + " is named twice");
          } else {
            fields_.push_back(item.field);
          }
        }
        if (item.opens) Target([&] { return Where(t.id, item.caption); }, item.opens);
      }
    }
    Target([&] { return Where(t.id, "退出"); }, t.exitTo);
    for (const ExtraButton& b : t.extraButtons) {
      Unique(
          buttons, [&] { return Where(t.id); }, b.name);
      Target([&] { return Where(t.id, b.name); }, b.opens);
    }
  }
  // Every window that is neither the main window nor a category window is a topic window.
  for (const WindowEntry& entry : Windows()) {
    WindowId w = entry.id;
    if (w != kMainWindow && !IsCategory(w) && !IsTopic(w)) {
      Add(Where(w), "is missing from the table of windows");
    }
  }
}

void Checker::Categories() {
  for (size_t i = 0; i < t_.categories.size(); ++i) {
    const CategoryDesc& c = t_.categories[i];
    if (i > 0 && !(t_.categories[i - 1].id < c.id)) {
      Add(Where(c.id), "listed twice or out of order among the category windows");
    }
    if (!c.id || c.id == kMainWindow) Add(Where(c.id), "is not a category window");
    std::vector<std::string_view> names;
    for (const CategoryButton& b : c.buttons) {
      Unique(
          names, [&] { return Where(c.id); }, b.name);
      Target([&] { return Where(c.id, b.name); }, b.opens);
    }
    for (const CategoryLabel& l : c.labels) {
      Unique(
          names, [&] { return Where(c.id); }, l.name);
      if (l.beside >= static_cast<int>(c.buttons.size())) {
        Add(Where(c.id, l.name), "describes a button that does not exist");
      }
    }
  }
}

void Checker::KeywordsAndMenu() {
  std::vector<std::string_view> keywords;
  for (const KeywordRow& row : t_.keywords) {
    Unique(
        keywords, [] { return std::string("keyword table"); }, row.keyword);
    Target([&] { return "keyword " + std::string(row.keyword); }, row.window);
  }
  std::vector<std::string_view> menu;
  for (const MenuEntry& m : t_.menu) {
    Unique(
        menu, [] { return std::string("menu bar"); }, m.name);
    Target([&] { return "menu entry " + std::string(m.name); }, m.opens);
  }
}

}  // namespace

WindowTables WindowTables::Program() {
  return {AllTopics(), Categories(), Keywords(), Menu()};
}

std::vector<std::string> CheckWindowTables(const WindowTables& tables) {
  Checker check(tables);
  check.Topics();
  check.Categories();
  check.KeywordsAndMenu();
  return check.take();
}

}  // namespace varnello
