#include "core/engine/topic.h"

#include <algorithm>
#include <charconv>
#include <memory>

namespace varnello {

namespace {

struct Registry {
  std::vector<std::unique_ptr<TopicDesc>> owned;
  std::vector<const TopicDesc*> sorted;
  bool dirty = false;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

TopicRegistration::TopicRegistration(TopicDesc desc) {
  Registry& r = TheRegistry();
  r.owned.push_back(std::make_unique<TopicDesc>(std::move(desc)));
  r.dirty = true;
}

const std::vector<const TopicDesc*>& AllTopics() {
  Registry& r = TheRegistry();
  if (r.dirty) {
    r.sorted.clear();
    for (const auto& d : r.owned) r.sorted.push_back(d.get());
    std::sort(r.sorted.begin(), r.sorted.end(), [](const TopicDesc* a, const TopicDesc* b) {
      return WindowNumber(a->name) < WindowNumber(b->name);
    });
    r.dirty = false;
  }
  return r.sorted;
}

const TopicDesc* FindTopic(std::string_view name) {
  for (const TopicDesc* d : AllTopics()) {
    if (d->name == name) return d;
  }
  return nullptr;
}

std::vector<const Item*> FieldsOf(const TopicDesc& desc) {
  std::vector<const Item*> fields;
  for (const auto& column : desc.columns) {
    for (const Item& item : column) {
      if (item.text != 0) fields.push_back(&item);
    }
  }
  return fields;
}

bool HasField(const TopicDesc& desc, int n) {
  for (const auto& column : desc.columns) {
    for (const Item& item : column) {
      if (item.text != 0 && item.text == n) return true;
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
  for (const Item* f : FieldsOf(desc)) captions.emplace(f->text, std::string(f->caption));
  return captions;
}

std::optional<FaultKind> RunPress(const TopicDesc& desc, const FieldSource& fields, JournalSink& out,
                                  Working* working) {
  Press press(fields, out, working);
  try {
    desc.press(press);
  } catch (const Fault& fault) {
    return fault.kind;
  }
  return std::nullopt;
}

PressOutcome PressFresh(const TopicDesc& desc, const std::map<int, std::string>& texts, bool explain) {
  OutputBuffer out;
  FieldSource source = [&texts](int n) {
    auto it = texts.find(n);
    return it == texts.end() ? std::string() : it->second;
  };
  PressOutcome outcome;
  if (explain) {
    Working working(FieldCaptions(desc));
    outcome.fault = RunPress(desc, source, out, &working);
    outcome.working = working.Lines();
    outcome.faultText = working.FaultText();
  } else {
    outcome.fault = RunPress(desc, source, out);
  }
  outcome.lines = out.lines();
  return outcome;
}

int WindowNumber(std::string_view name) {
  if (name.substr(0, 4) != "Form") return 0;
  int n = 0;
  auto [ptr, ec] = std::from_chars(name.data() + 4, name.data() + name.size(), n);
  if (ec != std::errc() || ptr != name.data() + name.size()) return 0;
  return n;
}

}  // namespace varnello
