#pragma once

#include <QObject>
#include <QVariantList>

class QSplitter;

namespace ui {

// The chart window's splitter, the chart (with its read-out line) first and the tables under it
// (a part may be a row of tables side by side, a horizontal splitter, as tall as its tallest):
// the tables together take at most a share of its height (a third unless the user has dragged a
// handle, so that the chart keeps 60 % of the window's height even at 520 × 420), each only as
// tall as its header and rows, the rest sharing what is left; the chart takes the rest. A table
// keeps its header and a row where that room allows, else its header and what is left. Where the
// user drags a handle the sizes are kept, with the recent files (QSettings "Torvale"/"torvale"),
// and the share of the height the tables were given is the most they take from then on, in this
// window and at the next start.
class TableSplit : public QObject {
  Q_OBJECT

 public:
  explicit TableSplit(QSplitter& splitter);

  // Sizes the parts again: after the tables' rows or visibility change (the splitter's own
  // resizing is followed).
  void fit();
  // The most of the height the tables take together, 0…1.
  double tableShare() const { return share_; }

  static constexpr double defaultTableShare = 1.0 / 3;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void keep();  // the user has dragged a handle

  QSplitter& split_;
  double share_ = defaultTableShare;
};

}  // namespace ui
