// 练习集: a teacher makes an exercise set (subjects or cases, count, seed), or opens one, saves it
// as JSON lines and prints or exports the question sheet and the key; a student opens it for
// answering in the practice mode.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "core/practice/exercise_set.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace varnello {

class SetDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SetDialog(QWidget* parent = nullptr);

  QListWidget* subjects() const { return subjects_; }
  QLineEdit* cases() const { return cases_; }
  QSpinBox* count() const { return count_; }
  QSpinBox* seed() const { return seed_; }
  QPlainTextEdit* questions() const { return questions_; }
  const std::optional<ExerciseSet>& set() const { return set_; }

  // Where saving, opening and exporting go without a file dialog (tests, automation).
  void setTargetPath(const QString& path) { targetPath_ = path; }

  // 出题: the set of the chosen subjects and cases; false (the user told why) when none can be made.
  bool makeSet();
  // 打开: a set file; false (the user told why) when it cannot be read or is damaged.
  bool openSet();
  // 保存: the set as JSON lines (.jsonl), written whole.
  bool saveSet();
  // The question sheet or the key: shown in the print preview, or written as PDF.
  void printSheet(bool key);
  bool exportPdf(bool key);
  // 作答: the set in the practice mode's answering sheet.
  void answer();

 private:
  void showSet();
  QString askSavePath(const QString& title, const QString& suggested, const QString& filter);
  QListWidget* subjects_;
  QLineEdit* cases_;
  QSpinBox* count_;
  QSpinBox* seed_;
  QLabel* setLabel_;
  QPlainTextEdit* questions_;
  std::vector<QPushButton*> needSet_;  // the buttons that act on a set
  std::optional<ExerciseSet> set_;
  QString targetPath_;
};

// Shows the dialog of `parent`, made the first time; it does not block the other windows.
SetDialog* ShowSetDialog(QWidget* parent);
// The main window's way to it: 练习集(&J)… in its context menu (Ctrl+J) and as a button on the
// practice switch's row.
void AttachSetDialog(QWidget* window, QWidget* client, QWidget* practiceSwitch);

}  // namespace varnello
