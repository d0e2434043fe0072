// In an 800 x 600 window every figure and caption of the statistics shows
// whole, and the list's date column is as wide as a long regional date.
#include <QTableView>
#include <QTreeView>

#include "window_fixture.h"

namespace orvex::testing {
namespace {

class LongDates : public IsoFormatter {
  std::string ShortDate(double t) const override {
    return "Wednesday, " + IsoFormatter::ShortDate(t);
  }
};

class LayoutTest : public WindowTest {
 protected:
  void Configure(FrmMainEnvironment& env) override { env.formatter = &long_dates; }
  LongDates long_dates;
};

TEST_F(LayoutTest, AtEightHundredBySixHundredFiguresAndDatesShowWhole) {
  AddArchive("bob", "alice", "20050928", std::vector<std::string>(40, "a few words said here"));
  TfrmMain& w = Start();
  Ui(w).btnStats->click();
  ShowWindow(w);
  w.resize(800, 600);
  SelectNode(w, "alice");
  ASSERT_TRUE(LoadAndWait(w, [&] { SelectRows(w, {0}); }));
  QApplication::processEvents();
  // Qt's own measure of what a column's cells need, against what they have.
  auto needed = [](QAbstractItemView* view, int column) { return view->sizeHintForColumn(column); };
  QTableView* grid = Ui(w).vsStat;
  for (int c = 0; c < 4; ++c) {
    EXPECT_LE(needed(grid, c), grid->columnWidth(c));
    for (int r = 0; r < 7; ++r)
      EXPECT_TRUE(grid->viewport()->rect().contains(grid->visualRect(grid->model()->index(r, c))));
  }
  EXPECT_LE(needed(Ui(w).msg, kDateColumn), Ui(w).msg->columnWidth(kDateColumn));
}

}  // namespace
}  // namespace orvex::testing
