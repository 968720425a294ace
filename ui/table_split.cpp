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

// The height that shows table's header and every row (room for one where it has none), with the
// horizontal scroll bar where its columns are wider than `width`.
int wholeHeight(const QTableView& table, int width) {
  const QHeaderView& top = *table.horizontalHeader();
  const QHeaderView& side = *table.verticalHeader();
  int height = 2 * table.frameWidth() + (top.isHidden() ? 0 : top.sizeHint().height());
  height += side.count() > 0 ? side.length() : side.defaultSectionSize();
  const int wide =
      top.length() + (side.isHidden() ? 0 : side.sizeHint().width()) + 2 * table.frameWidth();
  if (wide > width) height += table.horizontalScrollBar()->sizeHint().height();
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
  std::vector<QTableView*> tables;
  for (int i = 1; i < split_.count(); ++i)
    if (auto* t = qobject_cast<QTableView*>(split_.widget(i)); t && !t->isHidden())
      tables.push_back(t);
  const int height = split_.height() - split_.handleWidth() * static_cast<int>(tables.size());
  if (tables.empty() || height <= 0) return;
  const int room = static_cast<int>(height * share_);
  const int each = room / static_cast<int>(tables.size());
  std::vector<int> wants;
  int least = 0;
  for (QTableView* t : tables) {
    wants.push_back(wholeHeight(*t, split_.width()));
    // A header and a row where the room allows; a header at least.
    const int header = 2 * t->frameWidth() + t->horizontalHeader()->sizeHint().height();
    t->setMinimumHeight(
        std::min(header + t->verticalHeader()->defaultSectionSize(), std::max(header, each)));
    least = std::max(least, t->minimumHeight());
  }
  const std::vector<int> given = shareRoom(wants, room, least);
  QList<int> sizes{height - std::accumulate(given.begin(), given.end(), 0)};
  std::size_t next = 0;
  for (int i = 1; i < split_.count(); ++i)
    sizes << (split_.widget(i)->isHidden() ? 0 : given[next++]);
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
