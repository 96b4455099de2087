// Exercise sets for a class: numbered exercises drawn reproducibly from one seed, written as JSON
// lines; the students' answers as CSV files naming the set they answer; and the marking of a
// whole class into a report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/practice/marking.h"

namespace varnello {

// One exercise of a set: the figures of `window` drawn from `seed` (MakeExercise), asking for the
// entry at index `entry` of its key, in the words of `question` (QuestionText).
struct SetExercise {
  int number = 0;  // 1, 2, … within the set: the 题号
  std::string window;
  std::uint64_t seed = 0;
  std::size_t entry = 0;
  std::string question;
  std::map<int, std::string> fields;
};

struct ExerciseSet {
  // The seed and a checksum of the content ("7-3fa9c2d1"): answers name it, so that they are
  // never marked against another set.
  std::string id;
  std::uint64_t seed = 0;
  std::vector<SetExercise> exercises;
};

// What a set is drawn from: category windows' subjects (their titles: "工资", "税费"), topic
// windows by name or keyword; neither means every topic window.
struct SetOptions {
  std::size_t count = 10;
  std::uint64_t seed = 0;
  std::vector<std::string> subjects = {};
  std::vector<std::string> windows = {};
};

// The subjects a set can be drawn from, in the order a user meets them: each category window's
// title, then each menu entry that shows a topic window itself (工资).
std::vector<std::string> SetSubjects();

// Draws a set: the same options always give the same set; no exercise (window and entry) is
// asked twice; the subjects take turns so that each gets an even share. An unknown subject or
// window, or a count beyond the exercises there are, is an error: std::invalid_argument with the
// reason in Chinese.
ExerciseSet MakeSet(const SetOptions& options);

// The set as JSON lines, one exercise each: {"set", "number", "window", "seed", "entry",
// "question", "fields": {"Text1": …}}.
std::string SetText(const ExerciseSet& set);
// Reads a set file back; an empty `error` means it was read whole and its checksum agrees.
struct SetReading {
  ExerciseSet set;
  std::string error;
};
SetReading ReadSet(std::string_view text);

// One student's answers to a set: one line per answer line, by question number.
struct SetAnswerLine {
  int number = 0;
  AnswerLine line;
};
struct SetAnswers {
  std::string setId;
  std::string studentId;  // 学号
  std::string name;       // 姓名
  std::vector<SetAnswerLine> lines;
};

// The answers as CSV (UTF-8, RFC 4180): the header 练习集,学号,姓名,题号,会计科目,借/贷,金额, then
// one row per answer line.
std::string AnswersCsv(const SetAnswers& answers);
// Reads an answers file for `set`. A file of another set, without the header, or with a row that
// cannot be read gives an `error` saying which row and why.
struct AnswersReading {
  std::vector<SetAnswers> students;  // a file may hold several students' rows
  std::string error;
};
AnswersReading ReadAnswersCsv(std::string_view text, const ExerciseSet& set);

}  // namespace varnello
