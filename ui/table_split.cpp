#include "ui/table_split.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <algorithm>
#include <numeric>
#include <vector>

namespace ui {
namespace {

constexpr char sizesKey[] = "chartSplitterSizes";
// The tables' share of the height a drag may leave (the chart keeps at least its minimum anyway).
constexpr double leastShare = 0.05, mostShare = 0.9;

QSettings settings() {
  return QSettings(QStringLiteral("Torvale"), QStringLiteral("torvale"));
}

// The width that shows every column of table.
int wholeWidth(const QTableView& table) {
  const QHeaderView& side = *table.verticalHeader();
  return table.horizontalHeader()->length() + (side.isHidden() ? 0 : side.sizeHint().width()) +
         2 * table.frameWidth();
}

// The height that shows table's header and every row (room for one where it has none), with the
// horizontal scroll bar where its columns are wider than `width`.
int wholeHeight(const QTableView& table, int width) {
  const QHeaderView& top = *table.horizontalHeader();
  const QHeaderView& side = *table.verticalHeader();
  int height = 2 * table.frameWidth() + (top.isHidden() ? 0 : top.sizeHint().height());
  height += side.count() > 0 ? side.length() : side.defaultSectionSize();
  if (wholeWidth(table) > width) height += table.horizontalScrollBar()->sizeHint().height();
  return height;
}

// Shares room among parts that want these heights: each gets what it wants where all fit, else
// the smaller wants are met first and the rest share what is left alike; never below least.
std::vector<int> shareRoom(const std::vector<int>& wants, int room, int least) {
  std::vector<std::size_t> order(wants.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return wants[a] < wants[b]; });
  std::vector<int> given(wants.size(), 0);
  int left = room;
  for (std::size_t k = 0; k < order.size(); ++k) {
    const int fair = left / static_cast<int>(order.size() - k);
    given[order[k]] = std::max(least, std::min(wants[order[k]], fair));
    left -= given[order[k]];
  }
  return given;
}

// The widths of a row of tables side by side in `width`: the first (the row's main table) all its
// columns where the others keep `least` each, the others sharing what is left.
std::vector<int> rowWidths(const std::vector<QTableView*>& tables, int width, int handle) {
  constexpr int least = 160;
  const int others = static_cast<int>(tables.size()) - 1;
  std::vector<int> widths{
      std::max(least, std::min(wholeWidth(*tables.front()), width - others * (least + handle)))};
  for (int k = 0; k < others; ++k)
    widths.push_back(std::max(least, (width - widths.front()) / others - handle));
  return widths;
}

// The shown tables of a part of the splitter: the table itself, or those of a row of tables side
// by side (a horizontal splitter).
std::vector<QTableView*> tablesOf(QWidget& part) {
  if (part.isHidden()) return {};
  if (auto* t = qobject_cast<QTableView*>(&part)) return {t};
  std::vector<QTableView*> tables;
  if (auto* row = qobject_cast<QSplitter*>(&part))
    for (int i = 0; i < row->count(); ++i)
      if (auto* t = qobject_cast<QTableView*>(row->widget(i)); t && !t->isHidden())
        tables.push_back(t);
  return tables;
}

}  // namespace

TableSplit::TableSplit(QSplitter& splitter) : QObject(&splitter), split_(splitter) {
  const QVariantList kept = settings().value(QLatin1String(sizesKey)).toList();
  int total = 0;
  for (const QVariant& v : kept) total += std::max(0, v.toInt());
  if (kept.size() == split_.count() && total > 0)
    share_ = std::clamp(1.0 - kept.front().toDouble() / total, leastShare, mostShare);
  split_.installEventFilter(this);
  connect(&split_, &QSplitter::splitterMoved, this, &TableSplit::keep);
}

bool TableSplit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &split_ && event->type() == QEvent::Resize) fit();
  return QObject::eventFilter(watched, event);
}

void TableSplit::fit() {
  // Each shown part under the chart with its tables: a row of them side by side shares the width.
  std::vector<std::vector<QTableView*>> parts;
  for (int i = 1; i < split_.count(); ++i)
    if (std::vector<QTableView*> tables = tablesOf(*split_.widget(i)); !tables.empty())
      parts.push_back(std::move(tables));
  const int height = split_.height() - split_.handleWidth() * static_cast<int>(parts.size());
  if (parts.empty() || height <= 0) return;
  const int room = static_cast<int>(height * share_);
  const int each = room / static_cast<int>(parts.size());
  std::vector<int> wants;
  int least = 0;
  for (const std::vector<QTableView*>& tables : parts) {
    std::vector<int> widths{split_.width()};
    if (tables.size() > 1) {
      auto& row = static_cast<QSplitter&>(*tables.front()->parentWidget());
      widths = rowWidths(tables, split_.width(), row.handleWidth());
      row.setSizes(QList<int>(widths.begin(), widths.end()));
    }
    int want = 0;
    for (std::size_t k = 0; k < tables.size(); ++k) {
      QTableView* t = tables[k];
      want = std::max(want, wholeHeight(*t, widths[k]));
      // A header and a row where the room allows; a header at least.
      const int header = 2 * t->frameWidth() + t->horizontalHeader()->sizeHint().height();
      t->setMinimumHeight(
          std::min(header + t->verticalHeader()->defaultSectionSize(), std::max(header, each)));
      least = std::max(least, t->minimumHeight());
    }
    wants.push_back(want);
  }
  const std::vector<int> given = shareRoom(wants, room, least);
  QList<int> sizes{height - std::accumulate(given.begin(), given.end(), 0)};
  std::size_t next = 0;
  for (int i = 1; i < split_.count(); ++i)
    sizes << (tablesOf(*split_.widget(i)).empty() ? 0 : given[next++]);
  split_.setSizes(sizes);
}

void TableSplit::keep() {
  const QList<int> sizes = split_.sizes();
  const int total = std::accumulate(sizes.begin(), sizes.end(), 0);
  if (total <= 0) return;
  share_ = std::clamp(1.0 - static_cast<double>(sizes.front()) / total, leastShare, mostShare);
  QVariantList kept;
  for (int s : sizes) kept << s;
  settings().setValue(QLatin1String(sizesKey), kept);
}

}  // namespace ui
