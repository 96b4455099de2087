// Practice: the student writes the entry of a topic window's case on a sheet beside it, and
// Varnello marks it. The mode is switched on the main window; in it, a topic window's 确定 opens
// the sheet instead of printing the answer.
#pragma once

#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/practice/marking.h"

class QCheckBox;
class QLabel;
class QTableWidget;

namespace varnello {

class TopicWindow;

// Whether practice mode is on, for every topic window at once.
class PracticeMode : public QObject {
  Q_OBJECT
 public:
  static PracticeMode& instance();
  bool on() const { return on_; }
  void setOn(bool on);

 signals:
  void changed(bool on);

 private:
  bool on_ = false;
};

// The main window's switch of practice mode, placed in free space below its buttons.
QCheckBox* AddPracticeSwitch(QWidget* client);

// Lets a topic window take part in practice: its 确定 shows the sheet while the mode is on, and
// the sheet follows the window when it is shown and hidden.
void AttachPractice(TopicWindow* topic);

class PracticeSheet : public QWidget {
  Q_OBJECT
 public:
  explicit PracticeSheet(TopicWindow* topic);

  QTableWidget* table() const { return table_; }
  QLabel* result() const { return result_; }
  QLabel* question() const { return question_; }
  std::uint32_t seed() const { return seed_; }
  // The entry of the window's press the question asks for (an index into its entries).
  std::size_t entry() const { return entry_; }

  // The student's lines, blank rows left out.
  std::vector<AnswerLine> answer() const;
  // 出题: new figures in the window's fields, the question on their first entry, an empty sheet.
  void newExercise(std::uint32_t seed);
  void newExercise();
  // 下一题: the question on the next entry of the same figures (after the last, the first again).
  void nextQuestion();
  // 批改: takes in the cell being edited, then marks every row against the question's entry.
  void mark();
  // 看答案: prints the computed entries on the window and completes the marks with the right amounts.
  void showAnswer();
  void addRow();
  void deleteRow();
  // Places the sheet beside its window, shows it and puts the cursor into the table.
  void present();
  // Keeps the sheet on the right of its window.
  void follow();

 protected:
  bool event(QEvent* event) override;

 private:
  void showMarks();
  void showQuestion();
  void startQuestion();
  // The questions of the figures as they stand in the window now.
  void refreshQuestion();
  void commitEdit();
  void clearMark(int row);
  void editCell(int row, int column);
  void enterPressed(int row, int column);
  TopicWindow* topic_;
  QTableWidget* table_;
  QLabel* seedLabel_;
  QLabel* question_;
  QLabel* result_;
  std::uint32_t seed_ = 0;
  std::size_t entry_ = 0;
  std::vector<std::size_t> questions_;  // the entries of the figures that make a question
  AnswerMarking marking_;
  std::vector<AnswerLine> marked_;  // the lines the marks stand for
  bool answerShown_ = false;
  bool showingMarks_ = false;
  bool settingFigures_ = false;
};

}  // namespace varnello
