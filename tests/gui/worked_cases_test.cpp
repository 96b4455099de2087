// Every worked case of tests/cases/ as a user meets it: the window opened by its keyword from the
// main window, the case's texts typed into its fields, 确定 pressed; the view then shows exactly
// the case's lines (with the working under them, for a case that gives it), the window reports
// the case's fault, and its entries say what its lines print.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/entries/entries.h"
#include "gui/gui_tests.h"
#include "gui/main_window.h"
#include "gui/output_view.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"
#include "support/case_file.h"

namespace varnello {
namespace {

using testing::WorkedCase;

// What the view shows after a case's press, in the case's notation: its printed lines and,
// with the working shown, each working line trimmed.
QStringList Expected(const WorkedCase& c) {
  QStringList lines;
  for (size_t i = 0; i < c.lines.size(); ++i) {
    lines << ToQString(c.lines[i]);
    if (auto it = c.working.find(i); it != c.working.end()) {
      for (const std::string& w : it->second) lines << ToQString(w);
    }
  }
  return lines;
}

// Lines for a report, each between bars.
QString Report(const QStringList& lines) {
  return lines.isEmpty() ? QStringLiteral("(nothing)")
                         : QStringLiteral("|") + lines.join("|\n           |") + QStringLiteral("|");
}

QStringList Shown(const OutputView& view, bool working) {
  QString text = view.toPlainText();
  if (text.isEmpty()) return {};
  QStringList lines = text.split(QChar('\n'));
  if (working) {
    for (QString& line : lines) {
      if (line.startsWith(QChar(' '))) line = line.trimmed();
    }
  }
  return lines;
}

// Whether the entries say what the lines print: each heading is its line (or begins it, as open
// text), each row prints its caption and amount on its line, with the side of its caption, and
// every line that is not blank is a heading or a row.
bool EntriesAgree(const std::vector<Entry>& entries, const std::vector<std::string>& lines) {
  std::vector<bool> told(lines.size());
  for (const Entry& e : entries) {
    if (e.headingLine != kNoLine) {
      if (e.headingLine >= lines.size() || !lines[e.headingLine].starts_with(e.heading)) return false;
      told[e.headingLine] = true;
    }
    for (const EntryRow& r : e.rows) {
      std::string open = r.line == e.headingLine ? e.heading : "";
      std::string printed = open + r.caption + (r.amount ? FormatAmount(*r.amount) : "");
      if (r.line >= lines.size() || lines[r.line] != printed) return false;
      if (!r.sideInferred && FindSide(r.caption).side != r.side) return false;
      told[r.line] = true;
    }
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].empty() && !told[i]) return false;
  }
  return true;
}

class WorkedCasesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyCaseShowsItsLines() {
    std::vector<std::string> errors;
    std::vector<WorkedCase> cases = testing::ReadAllCases(VARNELLO_CASES_DIR, errors);
    QVERIFY2(errors.empty(), errors.empty() ? "" : errors.front().c_str());
    QVERIFY(cases.size() > 100);
    std::map<std::string, std::string> keywords;
    for (const KeywordRow& row : Keywords()) keywords.emplace(std::string(row.window.name()), row.keyword);

    WindowRegistry windows;
    int failed = 0;
    size_t rows = 0;
    for (const WorkedCase& c : cases) {
      // Opened from the main window by its keyword, as a user opens it.
      windows.show(QStringLiteral("Form1"));
      auto keyword = keywords.find(c.window);
      if (keyword != keywords.end()) {
        windows.mainWindow()->keywordField()->setText(ToQString(keyword->second));
        QTest::mouseClick(windows.mainWindow()->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
      } else {
        windows.show(ToQString(c.window));
      }
      auto* w = qobject_cast<TopicWindow*>(windows.existing(ToQString(c.window)));
      QVERIFY2(w != nullptr && w->isVisible(), c.where().c_str());

      // 取消 clears what an earlier case printed; the fields are emptied and typed into.
      QTest::mouseClick(w->button(QStringLiteral("Command2")), Qt::LeftButton);
      for (const Item* f : FieldsOf(w->desc())) w->field(f->field)->clear();
      for (const auto& [n, text] : c.fields) {
        QLineEdit* field = w->field(n);
        QVERIFY2(field != nullptr, (c.where() + ": no field Text" + std::to_string(n)).c_str());
        QTest::keyClicks(field, ToQString(text));
      }
      bool working = !c.working.empty();
      OutputView::setWorkingShown(working);
      std::vector<FaultKind> faults;
      auto reported = connect(w, &TopicWindow::faulted, this,
                              [&](TopicWindow*, FaultKind kind) { faults.push_back(kind); });
      QTest::mouseClick(w->button(QStringLiteral("Command1")), Qt::LeftButton);
      disconnect(reported);
      testing::CloseFaultBoxes();

      QStringList shown = Shown(*w->surface(), working);
      QStringList expected = Expected(c);
      std::optional<std::string> fault;
      if (!faults.empty()) fault = std::string(FaultName(faults.front()));
      std::vector<Entry> entries = w->entries();
      for (const Entry& e : entries) rows += e.rows.size();
      bool entriesAgree = EntriesAgree(entries, c.lines);
      if (shown != expected || fault != c.fault || faults.size() > 1 || !entriesAgree) {
        ++failed;
        QString report = ToQString(c.where()) + QStringLiteral("\n expected: ") + Report(expected) +
                         QStringLiteral(" fault ") + ToQString(c.fault.value_or("none")) +
                         QStringLiteral("\n shown:    ") + Report(shown) + QStringLiteral(" fault ") +
                         ToQString(fault.value_or("none")) +
                         (entriesAgree ? QString() : QStringLiteral("\n the entries differ from the lines"));
        qWarning("%s", qPrintable(report));
      }
      QTest::mouseClick(w->button(QStringLiteral("Command3")), Qt::LeftButton);
    }
    OutputView::setWorkingShown(false);
    QCOMPARE(failed, 0);
    QVERIFY(rows > 1000);
  }
};

testing::RegisterGuiTest<WorkedCasesTest> registered;

}  // namespace
}  // namespace varnello

#include "worked_cases_test.moc"
