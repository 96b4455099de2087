// A class's answers to an exercise set marked together: every student on every question with the
// same marking options, as a table (CSV) and as a page a teacher opens in any browser.
#pragma once

#include <string>
#include <vector>

#include "core/practice/exercise_set.h"
#include "core/practice/marking.h"

namespace varnello {

// One answers file as handed in: its name (for the report) and its text, or why it could not
// be read.
struct AnswerFile {
  std::string name;
  std::string text;
  std::string error;
};

// An error in one question of one student, with the reason the student is given.
struct QuestionError {
  Mark mark = Mark::NotInKey;  // the mark of a line written; `missing` for a key line not written
  bool missing = false;
  std::string reason;
};

struct QuestionResult {
  int number = 0;
  double score = 0;  // 0 to 1
  std::vector<QuestionError> errors;
};

struct StudentResult {
  std::string studentId;  // 学号
  std::string name;       // 姓名
  std::string file;
  std::vector<QuestionResult> questions;  // one per question of the set, in order
  double total = 0;                       // the sum of the scores
};

// A file that was not marked, and why.
struct FileProblem {
  std::string file;
  std::string reason;
};

struct ClassMarking {
  std::string setId;
  std::vector<StudentResult> students;  // in the order of the files and their rows
  std::vector<FileProblem> problems;
};

// Marks every student of every file on every question of `set` (MarkAnswer against the question's
// entry, with `options`; reasons give the right amounts, the report being the teacher's). A file
// that cannot be read, answers another set or holds a damaged row is listed in `problems` with
// the reason and not marked; so is a student (学号) met again in a later file.
ClassMarking MarkClass(const ExerciseSet& set, const std::vector<AnswerFile>& files,
                       const MarkOptions& options);

// One row per student and question: 学号,姓名,题号,得分,错误数,错误 (the errors' reasons joined by
// "；"); UTF-8 CSV as RFC 4180 has it, with a byte-order mark for spreadsheet programs.
std::string ReportCsv(const ClassMarking& marking);

// A self-contained HTML page (no script, nothing fetched): the files not marked with the reasons,
// each student's total, each question's share of students who got it fully right, the most
// frequent errors with their reasons, and the distribution of the totals as an SVG chart.
std::string ReportHtml(const ClassMarking& marking, const ExerciseSet& set);

}  // namespace varnello
