// Suggestions under the main window's keyword field: as the user types, the keywords that match
// the text by their characters or their pinyin, each with its subject beside it. Arrow keys and
// Enter, or a click, choose one and fill the field with the exact keyword; 确定 then dispatches.
#pragma once

#include <QCompleter>

class QLineEdit;
class QStandardItemModel;
class QTreeView;

namespace varnello {

class KeywordCompleter : public QCompleter {
  Q_OBJECT
 public:
  // Attaches itself to the field, as the field's child.
  explicit KeywordCompleter(QLineEdit* field);
  // The suggestions shown: keyword in column 0, subject in column 1.
  QStandardItemModel* suggestions() const { return model_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void suggest(const QString& text);
  QLineEdit* field_;
  QStandardItemModel* model_;
  QTreeView* view_;
};

}  // namespace varnello
