// Fuzz target: any bytes as an answers file of a small set, and as a set file. An answers file is
// either refused with a reason and no students, or read into students whose rows all name a
// question of the set; each student written again reads back the same. A set file read without
// error writes back to a text that reads the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/practice/exercise_set.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnello;
  static const ExerciseSet set = MakeSet({.count = 3, .seed = 1});
  std::string_view text(reinterpret_cast<const char*>(data), size);

  AnswersReading reading = ReadAnswersCsv(text, set);
  if (!reading.error.empty() && !reading.students.empty()) std::abort();
  for (const SetAnswers& student : reading.students) {
    if (student.studentId.empty()) std::abort();
    for (const SetAnswerLine& line : student.lines) {
      if (line.number < 1 || line.number > 3) std::abort();
    }
    AnswersReading again = ReadAnswersCsv(AnswersCsv(student), set);
    if (!again.error.empty() || again.students.size() != 1) std::abort();
    const SetAnswers& back = again.students[0];
    if (back.studentId != student.studentId || back.name != student.name ||
        back.lines.size() != student.lines.size())
      std::abort();
    for (size_t i = 0; i < back.lines.size(); ++i) {
      const AnswerLine &a = back.lines[i].line, &b = student.lines[i].line;
      if (back.lines[i].number != student.lines[i].number || a.account != b.account || a.side != b.side ||
          a.amount != b.amount)
        std::abort();
    }
  }

  SetReading read = ReadSet(text);
  if (read.error.empty()) {
    SetReading again = ReadSet(SetText(read.set));
    if (!again.error.empty() || SetText(again.set) != SetText(read.set)) std::abort();
  }
  return 0;
}
