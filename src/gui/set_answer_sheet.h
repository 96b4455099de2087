// The answering sheet of an exercise set, opened by 作答 in the 练习集 dialog.
#pragma once

#include <QString>
#include <QWidget>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/practice/class_report.h"
#include "core/practice/exercise_set.h"
#include "core/practice/marking.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace varnello {

// An exercise set answered in order: each question with its 题号, the student's lines for every
// question kept while walking back and forth, 学号 and 姓名, and the answers saved as CSV naming
// the set, so that they are never marked against another.
class SetAnswerSheet : public QWidget {
  Q_OBJECT
 public:
  explicit SetAnswerSheet(ExerciseSet set, QWidget* parent = nullptr);

  const ExerciseSet& set() const { return set_; }
  QTableWidget* table() const { return table_; }
  QLineEdit* studentId() const { return studentId_; }
  QLineEdit* studentName() const { return name_; }
  QLabel* number() const { return number_; }
  QLabel* question() const { return question_; }
  // The question shown: an index into the set's exercises.
  std::size_t current() const { return current_; }

  // Shows question `index`, the lines written for it before in the table.
  void go(std::size_t index);
  void next();
  void previous();
  void addRow();
  void deleteRow();
  // Every question's lines with 学号 and 姓名, the cell being edited taken in.
  SetAnswers answers();
  // 保存答案: asks for the file unless a target path is set; false (the student told why) when
  // 学号 or 姓名 is missing, nothing is written yet, or the file cannot be written.
  bool save();
  // 批改: marks every question as `varnello-cli set mark` does (the same core marking, with its
  // default options), shows the current question's score and reasons and the set's total.
  // False (the student told why) when nothing is written yet.
  bool mark();
  // What 批改 and 保存答案 say: the marks, or where the answers were saved.
  QLabel* result() const { return result_; }
  // The last marking, of the answers as they stood at 批改 (none before the first).
  const std::optional<StudentResult>& marking() const { return marking_; }
  void setTargetPath(const QString& path) { targetPath_ = path; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void commitEdit();
  void keep();
  void showMarking();
  void editCell(int row, int column);
  void enterPressed(int row, int column);
  ExerciseSet set_;
  std::vector<std::vector<AnswerLine>> lines_;  // per question
  std::size_t current_ = 0;
  QLineEdit* studentId_;
  QLineEdit* name_;
  QLabel* number_;
  QLabel* question_;
  QTableWidget* table_;
  QString targetPath_;
  QLabel* result_;
  std::optional<StudentResult> marking_;
  std::string savedCsv_;  // what was saved last, to tell unsaved answers on closing
};

}  // namespace varnello
