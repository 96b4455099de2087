#include "core/engine/topic.h"

#include <algorithm>

#include "core/engine/read_amount.h"

namespace varnello {

std::vector<const Item*> FieldsOf(const TopicDesc& desc) {
  std::vector<const Item*> fields;
  for (const auto& column : desc.columns) {
    for (const Item& item : column) {
      if (item.field != 0) fields.push_back(&item);
    }
  }
  return fields;
}

bool HasField(const TopicDesc& desc, int n) {
  for (const auto& column : desc.columns) {
    for (const Item& item : column) {
      if (item.field != 0 && item.field == n) return true;
    }
  }
  return false;
}

int FieldNumber(std::string_view name) {
  constexpr std::string_view kPrefix = "Text";
  if (name.substr(0, kPrefix.size()) != kPrefix) return 0;
  std::string_view digits = name.substr(kPrefix.size());
  if (digits.empty() || digits.size() > 4 || digits[0] == '0') return 0;
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::map<int, std::string> FieldCaptions(const TopicDesc& desc) {
  std::map<int, std::string> captions;
  for (const Item* f : FieldsOf(desc)) captions.emplace(f->field, std::string(f->caption));
  return captions;
}

std::vector<int> FillOrder(const TopicDesc& desc) {
  if (!desc.fillOrder.empty()) return {desc.fillOrder.begin(), desc.fillOrder.end()};
  std::vector<int> order;
  for (const Item* f : FieldsOf(desc)) order.push_back(f->field);
  std::sort(order.begin(), order.end());
  return order;
}

namespace {

std::string FaultOpening(FaultKind kind) {
  std::string advice = kind == FaultKind::DivisionByZero
                           ? "计算中出现了除以零的运算。"
                           : "计算结果超出了数值范围，或出现了无法计算的运算（如零除以零）。";
  return advice + "本次计算已停止，之前打印的分录保留。";
}

bool ReadsAsZero(std::span<const FieldText> texts, int n) {
  try {
    return ReadAmount(TextOf(texts, n)) == 0.0;
  } catch (const Fault&) {  // a number beyond the range of a double
    return false;
  }
}

// Nothing in it but blanks, tabs and line feeds (which reading skips).
bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

std::map<int, std::string_view> CaptionsOf(const TopicDesc& desc) {
  std::map<int, std::string_view> captions;
  for (const Item* f : FieldsOf(desc)) captions[f->field] = f->caption;
  return captions;
}

}  // namespace

std::string FaultAdvice(const TopicDesc& desc, FaultKind kind, std::span<const FieldText> texts) {
  std::string advice = FaultOpening(kind);
  std::string zero;
  int listed = 0;
  std::map<int, std::string_view> captions = CaptionsOf(desc);
  for (int n : FillOrder(desc)) {
    if (!ReadsAsZero(texts, n)) continue;
    if (++listed > 6) {
      zero += "等";
      break;
    }
    if (!zero.empty()) zero += "、";
    zero += "“" + std::string(captions[n]) + "”";
  }
  if (!zero.empty()) advice += "请检查为空或为零的栏目：" + zero + "。";
  return advice;
}

std::string FaultAdvice(const TopicDesc& desc, FaultKind kind, std::span<const FieldText> texts,
                        std::span<const int> used) {
  std::string advice = FaultOpening(kind);
  std::map<int, std::string_view> captions = CaptionsOf(desc);
  std::string zero, all;
  for (int n : used) {
    auto caption = captions.find(n);
    if (caption == captions.end()) continue;
    std::string name = "“" + std::string(caption->second) + "”";
    all += (all.empty() ? "" : "、") + name;
    if (!ReadsAsZero(texts, n)) continue;
    zero += (zero.empty() ? "" : "，") + name + (IsBlank(TextOf(texts, n)) ? "为空" : "读作 0");
  }
  if (!zero.empty()) {
    advice += "这一步用到的栏目中，" + zero + "。";
  } else if (!all.empty()) {
    advice += "这一步用到的栏目：" + all + "。";
  }
  return advice;
}

std::vector<FieldText> FieldTexts(const std::map<int, std::string>& texts) {
  std::vector<FieldText> list;
  list.reserve(texts.size());
  for (const auto& [n, text] : texts) list.push_back({n, text});
  return list;
}

}  // namespace varnello
