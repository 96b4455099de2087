// Every worked case of tests/cases/: one press of 确定 with the case's field texts prints exactly
// the case's lines (with their working, where the case gives it) and ends with its fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "support/case_file.h"

namespace varnello {
namespace {

using testing::WorkedCase;

struct Printed {
  std::vector<std::string> lines;
  std::map<size_t, std::vector<std::string>> working;
  std::optional<std::string> fault;
};

// One press of a fresh window with the case's fields: the only call into the press. Nothing
// when there is no such window, or it has no such field.
std::optional<Printed> Press(const WorkedCase& c, bool explain) {
  std::optional<WindowId> id = WindowId::Parse(c.window);
  const TopicDesc* desc = id ? FindTopic(*id) : nullptr;
  if (desc == nullptr) return std::nullopt;
  for (const auto& [n, text] : c.fields) {
    if (!HasField(*desc, n)) return std::nullopt;
  }
  EntryRecord r = PressOnce(*desc, FieldTexts(c.fields), explain);
  Printed p;
  p.lines = r.lines().ToStrings();
  if (r.fault()) p.fault = std::string(FaultName(*r.fault()));
  for (const WorkingLine& w : r.working()) {
    std::vector<std::string>& shown = p.working[w.line];
    shown.push_back(w.formula);
    shown.insert(shown.end(), w.steps.begin(), w.steps.end());
  }
  return p;
}

// The lines in the case file's notation, the working indented under its line.
std::string Shown(const std::vector<std::string>& lines,
                  const std::map<size_t, std::vector<std::string>>& working) {
  std::ostringstream out;
  if (lines.empty()) out << "  (nothing)\n";
  for (size_t i = 0; i < lines.size(); ++i) {
    out << "  |" << lines[i] << "|\n";
    if (auto it = working.find(i); it != working.end()) {
      for (const std::string& w : it->second) out << "      " << w << "\n";
    }
  }
  return out.str();
}

// Whether the case's file stands in the folder of its window's subject, as the catalogue names
// it: tests/cases/<subject>/FormN.case for the window of src/core/topics/<subject>/.
bool InSubjectFolder(const WorkedCase& c) {
  std::optional<WindowId> id = WindowId::Parse(c.window);
  const WindowEntry* entry = id ? FindWindow(*id) : nullptr;
  return entry != nullptr && std::filesystem::path(c.file).parent_path().filename() == entry->subject;
}

TEST(WorkedCases, EveryCasePrintsItsLines) {
  std::vector<std::string> errors;
  std::vector<WorkedCase> cases = testing::ReadAllCases(VARNELLO_CASES_DIR, errors);
  for (const std::string& e : errors) ADD_FAILURE() << e;
  ASSERT_GT(cases.size(), 100u) << "cases read from " << VARNELLO_CASES_DIR;
  for (const WorkedCase& c : cases) {
    if (&c == &cases.front() || c.file != (&c - 1)->file) {
      EXPECT_TRUE(InSubjectFolder(c)) << c.file << ": not in the folder of " << c.window << "'s subject";
    }
    bool explain = !c.working.empty();
    std::optional<Printed> p = Press(c, explain);
    if (!p) {
      ADD_FAILURE_AT(c.file.c_str(), c.line) << "no topic window " << c.window << " with these fields";
      continue;
    }
    bool same = p->lines == c.lines && p->fault == c.fault && (!explain || p->working == c.working);
    if (!same) {
      ADD_FAILURE_AT(c.file.c_str(), c.line)
          << c.window << " " << c.title << "\nexpected:\n"
          << Shown(c.lines, c.working) << "  fault " << c.fault.value_or("none") << "\nprinted:\n"
          << Shown(p->lines, explain ? p->working : std::map<size_t, std::vector<std::string>>{})
          << "  fault " << p->fault.value_or("none");
    }
  }
}

}  // namespace
}  // namespace varnello
