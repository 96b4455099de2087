#include "core/practice/class_report.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/table.h"
#include "core/files/csv.h"

namespace varnello {

namespace {

// A score as a teacher reads it: at most two decimals, no trailing zeros (1, 0.5, 0.67).
std::string ScoreText(double score) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", score);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

std::string Percent(double share) {
  char text[16];
  std::snprintf(text, sizeof text, "%.0f%%", share * 100);
  return text;
}

QuestionResult MarkQuestion(const SetExercise& exercise, const std::vector<AnswerLine>& lines,
                            const MarkOptions& options) {
  QuestionResult result;
  result.number = exercise.number;
  const TopicDesc* desc = nullptr;
  if (std::optional<WindowId> w = WindowId::Parse(exercise.window)) desc = FindTopic(*w);
  if (desc == nullptr) return result;  // ReadSet and MakeSet give topic windows only
  AnswerMarking marking = MarkAnswer(*desc, exercise.fields, lines, options, exercise.entry);
  result.score = marking.score;
  for (size_t i = 0; i < marking.rows.size(); ++i) {
    if (marking.rows[i] == Mark::Correct) continue;
    std::string reason = marking.reasons[i];
    // Which account was not in the entry is what a teacher wants to know of that error.
    if (marking.rows[i] == Mark::NotInKey) reason += "：" + lines[i].account;
    if (marking.rows[i] == Mark::WrongAccount) reason += "（写的是 " + lines[i].account + "）";
    result.errors.push_back({marking.rows[i], false, std::move(reason)});
  }
  for (const std::string& reason : marking.missingReasons)
    result.errors.push_back({Mark::NotInKey, true, reason});
  return result;
}

}  // namespace

ClassMarking MarkClass(const ExerciseSet& set, const std::vector<AnswerFile>& files,
                       const MarkOptions& options) {
  ClassMarking marking;
  marking.setId = set.id;
  MarkOptions teacher = options;
  teacher.reveal = true;
  std::map<std::string, std::string> fileOf;  // 学号 → the file it was marked from
  for (const AnswerFile& file : files) {
    if (!file.error.empty()) {
      marking.problems.push_back({file.name, file.error});
      continue;
    }
    AnswersReading reading = ReadAnswersCsv(file.text, set);
    if (!reading.error.empty()) {
      marking.problems.push_back({file.name, reading.error});
      continue;
    }
    for (const SetAnswers& answers : reading.students) {
      auto [at, fresh] = fileOf.emplace(answers.studentId, file.name);
      if (!fresh) {
        marking.problems.push_back(
            {file.name, "学号 " + answers.studentId + " 已在 " + at->second + " 中批改过"});
        continue;
      }
      StudentResult& student = marking.students.emplace_back();
      student.studentId = answers.studentId;
      student.name = answers.name;
      student.file = file.name;
      for (const SetExercise& exercise : set.exercises) {
        std::vector<AnswerLine> lines;
        for (const SetAnswerLine& l : answers.lines) {
          if (l.number == exercise.number) lines.push_back(l.line);
        }
        student.questions.push_back(MarkQuestion(exercise, lines, teacher));
        student.total += student.questions.back().score;
      }
    }
  }
  return marking;
}

namespace {

// What a student's file gave (学号, 姓名, an answer quoted in an error) as the page shows it:
// escaped, without control characters (a NUL or an escape sequence would reach the page raw).
std::string CleanHtml(std::string_view text) {
  return EscapeHtml(WithoutControls(text));
}

}  // namespace

std::string ReportCsv(const ClassMarking& marking) {
  // The byte-order mark: spreadsheet programs on Windows then read the file as UTF-8.
  std::string out = "\xEF\xBB\xBF";
  AppendCsvRow(out, {"学号", "姓名", "题号", "得分", "错误数", "错误"});
  for (const StudentResult& s : marking.students) {
    for (const QuestionResult& q : s.questions) {
      std::string errors;
      for (const QuestionError& e : q.errors) errors += (errors.empty() ? "" : "；") + e.reason;
      AppendCsvRow(out, {SheetText(WithoutControls(s.studentId)), SheetText(WithoutControls(s.name)),
                         std::to_string(q.number), ScoreText(q.score), std::to_string(q.errors.size()),
                         WithoutControls(errors)});
    }
  }
  return out;
}

namespace {

// The totals as a bar chart: ten bands of the share of the full score (0–9 % … 90–100 %), the
// number of students in each above its bar.
std::string Histogram(const ClassMarking& marking, size_t questions) {
  int bands[10] = {};
  for (const StudentResult& s : marking.students) {
    double share = questions == 0 ? 0 : s.total / static_cast<double>(questions);
    int band = std::clamp(static_cast<int>(share * 10 + 1e-9), 0, 9);
    ++bands[band];
  }
  int most = std::max(1, *std::max_element(std::begin(bands), std::end(bands)));
  constexpr int kWidth = 640, kHeight = 260, kLeft = 40, kBottom = 40, kTop = 24, kBar = 56;
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kWidth) +
                    "\" height=\"" + std::to_string(kHeight) + "\" role=\"img\" aria-label=\"成绩分布\">\n";
  const int base = kHeight - kBottom, room = base - kTop;
  svg += "<line x1=\"" + std::to_string(kLeft) + "\" y1=\"" + std::to_string(base) + "\" x2=\"" +
         std::to_string(kLeft + 10 * (kBar + 4)) + "\" y2=\"" + std::to_string(base) +
         "\" stroke=\"#333\"/>\n";
  for (int b = 0; b < 10; ++b) {
    int x = kLeft + b * (kBar + 4) + 2;
    int h = bands[b] * room / most;
    svg += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(base - h) + "\" width=\"" +
           std::to_string(kBar) + "\" height=\"" + std::to_string(h) + "\" fill=\"#4a7ab5\"/>\n";
    svg += "<text x=\"" + std::to_string(x + kBar / 2) + "\" y=\"" + std::to_string(base - h - 6) +
           "\" text-anchor=\"middle\">" + std::to_string(bands[b]) + "</text>\n";
    std::string band = std::to_string(b * 10) + "–" + std::to_string(b == 9 ? 100 : b * 10 + 9) + "%";
    svg += "<text x=\"" + std::to_string(x + kBar / 2) + "\" y=\"" + std::to_string(base + 18) +
           "\" text-anchor=\"middle\" font-size=\"12\">" + band + "</text>\n";
  }
  svg += "<text x=\"" + std::to_string(kLeft) + "\" y=\"" + std::to_string(kHeight - 4) +
         "\" font-size=\"12\">得分率（人数）</text>\n";
  svg += "</svg>\n";
  return svg;
}

}  // namespace

std::string ReportHtml(const ClassMarking& marking, const ExerciseSet& set) {
  const size_t questions = set.exercises.size();
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>练习集 " +
      EscapeHtml(marking.setId) +
      " 批改报告</title>\n<style>\n"
      "body{font-family:sans-serif;margin:2em;color:#222}\n"
      "table{border-collapse:collapse;margin:0.5em 0 1.5em}\n"
      "th,td{border:1px solid #bbb;padding:0.25em 0.6em;text-align:left}\n"
      "th{background:#eee;white-space:nowrap}\n"
      "td.n{text-align:right}\n"
      ".problem{color:#a00}\n"
      ".bar{display:inline-block;height:0.8em;background:#4a7ab5}\n"
      "svg text{font-family:sans-serif;font-size:13px}\n"
      "</style>\n</head>\n<body>\n";
  html += "<h1>练习集 " + EscapeHtml(marking.setId) + " 批改报告</h1>\n";
  double sum = 0;
  for (const StudentResult& s : marking.students) sum += s.total;
  const size_t n = marking.students.size();
  html += "<p>学生 " + std::to_string(n) + " 人，题目 " + std::to_string(questions) + " 道";
  if (n > 0) {
    double mean = sum / static_cast<double>(n);
    html += "，平均得分 " + ScoreText(mean) + "（" +
            Percent(questions ? mean / static_cast<double>(questions) : 0) + "）";
  }
  html += "。每题满分 1 分。</p>\n";

  if (!marking.problems.empty()) {
    html += "<h2 class=\"problem\">未批改的文件（" + std::to_string(marking.problems.size()) +
            "）</h2>\n<table class=\"problem\">\n<tr><th>文件</th><th>原因</th></tr>\n";
    for (const FileProblem& p : marking.problems)
      html += "<tr><td>" + CleanHtml(p.file) + "</td><td>" + CleanHtml(p.reason) + "</td></tr>\n";
    html += "</table>\n";
  }

  html += "<h2>成绩分布</h2>\n" + Histogram(marking, questions);

  html +=
      "<h2>每题全对的比例</h2>\n<table>\n<tr><th>题号</th><th>窗口</th><th>题目</th><th>全对</th><th>比例</"
      "th></tr>\n";
  for (const SetExercise& e : set.exercises) {
    size_t right = 0;
    for (const StudentResult& s : marking.students) {
      for (const QuestionResult& q : s.questions) right += q.number == e.number && q.score >= 1.0;
    }
    double share = n == 0 ? 0 : static_cast<double>(right) / static_cast<double>(n);
    html += "<tr><td class=\"n\">" + std::to_string(e.number) + "</td><td>" + EscapeHtml(e.window) +
            "</td><td>" + EscapeHtml(e.question) + "</td><td class=\"n\">" + std::to_string(right) + "/" +
            std::to_string(n) + "</td><td>" + Percent(share) +
            " <span class=\"bar\" style=\"width:" + std::to_string(static_cast<int>(share * 100 + 0.5)) +
            "px\"></span></td></tr>\n";
  }
  html += "</table>\n";

  // The errors met most often: the same reason on the same question, counted over the class.
  std::map<std::pair<int, std::string>, size_t> counts;
  for (const StudentResult& s : marking.students) {
    for (const QuestionResult& q : s.questions) {
      std::set<std::string> once;  // a student counts once per reason
      for (const QuestionError& e : q.errors) {
        if (once.insert(e.reason).second) ++counts[{q.number, e.reason}];
      }
    }
  }
  std::vector<std::pair<std::pair<int, std::string>, size_t>> ranked(counts.begin(), counts.end());
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  if (ranked.size() > 20) ranked.resize(20);
  html += "<h2>最常见的错误</h2>\n";
  if (ranked.empty()) {
    html += "<p>没有错误。</p>\n";
  } else {
    html += "<table>\n<tr><th>题号</th><th>错误</th><th>人数</th></tr>\n";
    for (const auto& [what, count] : ranked) {
      html += "<tr><td class=\"n\">" + std::to_string(what.first) + "</td><td>" + CleanHtml(what.second) +
              "</td><td class=\"n\">" + std::to_string(count) + "</td></tr>\n";
    }
    html += "</table>\n";
  }

  html += "<h2>学生成绩</h2>\n<table>\n<tr><th>学号</th><th>姓名</th><th>总分</th><th>得分率</th>";
  for (const SetExercise& e : set.exercises) html += "<th>" + std::to_string(e.number) + "</th>";
  html += "</tr>\n";
  for (const StudentResult& s : marking.students) {
    html += "<tr><td>" + CleanHtml(s.studentId) + "</td><td>" + CleanHtml(s.name) + "</td><td class=\"n\">" +
            ScoreText(s.total) + "</td><td class=\"n\">" +
            Percent(questions ? s.total / static_cast<double>(questions) : 0) + "</td>";
    for (const QuestionResult& q : s.questions) html += "<td class=\"n\">" + ScoreText(q.score) + "</td>";
    html += "</tr>\n";
  }
  html += "</table>\n</body>\n</html>\n";
  return html;
}

}  // namespace varnello
