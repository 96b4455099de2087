// Suggestions under the main window's keyword field: as the user types, the keywords that match
// the text by their characters or their pinyin, each with its subject beside it. Arrow keys and
// Enter, or a click, choose one and fill the field with the exact keyword; 确定 then dispatches.
#pragma once

#include <QCompleter>

class QAbstractItemView;
class QLineEdit;
class QStandardItemModel;
class QTreeView;

namespace varnello {

class KeywordCompleter : public QCompleter {
  Q_OBJECT
 public:
  // Attaches itself to the field, as the field's child.
  explicit KeywordCompleter(QLineEdit* field);
  // Makes the list and its model, and the keyword index, unless made already. The first
  // suggestion makes them if nothing did before; the program does it once the main window is
  // painted, so that the user's first keystroke does not wait for them.
  void prepare();
  // The suggestions shown: keyword in column 0, subject in column 1.
  QStandardItemModel* suggestions();
  // The list (QCompleter's own would make a plain list if asked before the first suggestion).
  QAbstractItemView* popup();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void suggest(const QString& text);
  QLineEdit* field_;
  QStandardItemModel* model_ = nullptr;
  QTreeView* view_ = nullptr;
};

}  // namespace varnello
