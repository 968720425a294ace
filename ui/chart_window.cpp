#include "ui/chart_window.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <utility>

#include "calc/arithmetic_names.h"
#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/pressure_setting.h"
#include "ui/captions.h"
#include "ui/chart_export.h"
#include "ui/chart_print.h"
#include "ui/chart_widget.h"
#include "ui/notice.h"
#include "ui/on_screen.h"
#include "ui/point_dialog.h"
#include "ui/point_table_model.h"
#include "ui/process_dialog.h"
#include "ui/process_table.h"
#include "ui/program_icon.h"
#include "ui/zone_hours_table.h"
#include "workspace/process_rows.h"
#include "workspace/sheet.h"

namespace ui {
namespace {

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool confirmReplace(QWidget* owner, const QString& title, const QString& path) {
  QMessageBox box(QMessageBox::Question, title,
                  QString::fromUtf8(captions::replaceQuestion).arg(path), QMessageBox::NoButton,
                  owner);
  box.setTextFormat(Qt::PlainText);
  QPushButton* replace =
      box.addButton(QString::fromUtf8(captions::replaceButton), QMessageBox::AcceptRole);
  QPushButton* keep =
      box.addButton(QString::fromUtf8(captions::cancelButton), QMessageBox::RejectRole);
  box.setDefaultButton(keep);
  box.setEscapeButton(keep);
  box.exec();
  return box.clickedButton() == replace;
}

// Where the user chose to save, with the suffix of the chosen type added by the dialog to a bare
// name, and that type's filter; an empty path when cancelled.
struct SaveChoice {
  QString path, filter;
};

// Asks where to save, starting at lastPath (or defaultName in startFolder).
SaveChoice askSavePath(QWidget* owner, const char* title, QString& lastPath,
                       QStandardPaths::StandardLocation startFolder, const char* defaultName,
                       const char* filter) {
  if (lastPath.isEmpty())
    lastPath = QStandardPaths::writableLocation(startFolder) + '/' + QString::fromUtf8(defaultName);
  QFileDialog dialog(owner, QString::fromUtf8(title), lastPath, QString::fromUtf8(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The dialog adds the suffix of the chosen type to a bare name before it asks about replacing.
  dialog.setDefaultSuffix(filterSuffix(dialog.selectedNameFilter()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& f) { dialog.setDefaultSuffix(filterSuffix(f)); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {dialog.selectedFiles().front(), dialog.selectedNameFilter()};
}

// A step of the design. It keeps the whole design before and after it (the workspace is a value:
// a copy, the one after shared with the next step as its one before), and undo and redo hand one
// of them to `bring`, which puts it in place and shows it
// afresh. Simple and sound whatever the step was, and quick enough up to 10,000 points. The step
// is made after the change was done in place, so its first redo (QUndoStack::push) does nothing.
class DesignStep : public QUndoCommand {
 public:
  using Design = std::shared_ptr<const workspace::Workspace>;
  using Bring = std::function<void(const Design&)>;
  DesignStep(const QString& text, Design before, Design after, Bring bring)
      : QUndoCommand(text),
        before_(std::move(before)),
        after_(std::move(after)),
        bring_(std::move(bring)) {}

  void undo() override { bring_(before_); }
  void redo() override {
    if (!done_) bring_(after_);
    done_ = false;
  }

 private:
  Design before_, after_;
  Bring bring_;
  bool done_ = true;  // the change is in place already when the step is pushed
};

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("ChartWindow"));
  // "[*]" shows the mark of unsaved changes, and nothing while there are none.
  setWindowTitle(QString::fromUtf8(captions::chartTitle) + QStringLiteral("[*]"));
  setWindowIcon(programIcon());
  setAttribute(Qt::WA_QuitOnClose, false);

  undo_ = new QUndoStack(this);
  connect(undo_, &QUndoStack::cleanChanged, this, [this](bool clean) {
    setWindowModified(!clean);
    if (clean) removeRecovery();  // saved, or undone back to where it was
  });
  // Every step (done, undone, redone) is kept in the recovery file within a few seconds; a burst
  // of steps is written once.
  recoveryTimer_ = new QTimer(this);
  recoveryTimer_->setSingleShot(true);
  recoveryTimer_->setInterval(3000);
  connect(recoveryTimer_, &QTimer::timeout, this, &ChartWindow::writeRecovery);
  connect(undo_, &QUndoStack::indexChanged, this, [this] {
    if (!recoveryTimer_->isActive()) recoveryTimer_->start();
  });
  model_ = new PointTableModel(workspace_, this);
  chart_ = new ChartWidget(this);
  chart_->setWorkspace(&workspace_);
  readout_ = new QLabel(this);
  readout_->setObjectName(QStringLiteral("readout"));
  readout_->setTextFormat(Qt::PlainText);
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // One line always, so that the chart does not jump as the text comes and goes.
  readout_->setMinimumHeight(readout_->fontMetrics().height() + 6);
  readout_->setContentsMargins(8, 2, 8, 4);
  table_ = makePointTable(model_, this);
  processModel_ = new ProcessTableModel(workspace_, this);
  processTable_ = makeProcessTable(processModel_, this);
  // The 过程 table shows once there is a process, so that until then the points have the room.
  const auto showProcesses = [this] { processTable_->setVisible(processModel_->rowCount() > 0); };
  connect(processModel_, &QAbstractItemModel::modelReset, processTable_, showProcesses);
  // The 逐时统计 table shows while a weather layer does.
  hoursModel_ = new ZoneHoursModel(this);
  hoursTable_ = makeZoneHoursTable(hoursModel_, this);
  hoursTable_->setVisible(false);

  auto* upper = new QWidget(this);
  auto* upperLayout = new QVBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  upperLayout->setSpacing(0);
  upperLayout->addWidget(chart_, 1);
  upperLayout->addWidget(readout_);
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(upper);
  split->addWidget(table_);
  split->addWidget(processTable_);
  split->addWidget(hoursTable_);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 0);
  split->setStretchFactor(2, 0);
  split->setStretchFactor(3, 0);
  split->setChildrenCollapsible(false);
  // The tables start with room for about six points and four processes; the chart takes the rest.
  const int rowHeight = table_->fontMetrics().height() + 8;
  split->setSizes({640, 8 * rowHeight, 6 * rowHeight, 9 * rowHeight});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(split);
  buildMenus();
  showProcesses();

  connect(chart_, &ChartWidget::readoutChanged, readout_, &QLabel::setText);
  connect(chart_, &ChartWidget::stateRequested, this, &ChartWindow::addAt);
  connect(model_, &PointTableModel::pointsChanged, processModel_, &ProcessTableModel::refresh);
  connect(model_, &PointTableModel::pointsChanged, chart_, qOverload<>(&QWidget::update));
  connect(model_, &PointTableModel::pointsChanged, this, &ChartWindow::updateActions);
  // Every change of the design, the pressure or the arithmetic passes here (a reset at the least).
  connect(model_, &PointTableModel::pointsChanged, this, &ChartWindow::syncClimate);
  // A refused rename says why once the name's editor has closed: a notice over an open editor
  // would take its focus, and the editor would hand in the name again.
  connect(
      model_, &PointTableModel::renameRefused, this,
      [this](const QString& why) { showNotice(this, fromUtf8(calc::messages::title), why); },
      Qt::QueuedConnection);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ChartWindow::updateActions);
  connect(processTable_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ChartWindow::updateActions);
  connect(processTable_, &QAbstractItemView::doubleClicked, this,
          &ChartWindow::editSelectedProcess);
  connect(model_, &PointTableModel::renamed, this, [this](const QString& from, const QString& to) {
    record(QString::fromUtf8(captions::renamePointStep).arg(from, to));
  });
  connect(model_, &PointTableModel::moved, this, [this](const QString& name) {
    record(QString::fromUtf8(captions::movePointStep).arg(name));
  });
  updateActions();
  resize(900, 640 + 14 * rowHeight);
}

// The tables and the chart read the workspace, a member: they go before it does, not with the
// window's other children after it.
ChartWindow::~ChartWindow() {
  // The stack clears itself as it goes, which is no change of the design: the recovery file a
  // design left unsaved stays for the next start to offer.
  undo_->disconnect(this);
  chart_->setWorkspace(nullptr);
  chart_->setWeather(nullptr);
  delete table_;
  delete processTable_;
}

void ChartWindow::showEvent(QShowEvent* event) {
  keepOnScreen(*this);
  QWidget::showEvent(event);
}

QAction* ChartWindow::action(const char* name, const char* caption, const QKeySequence& keys,
                             void (ChartWindow::*slot)()) {
  auto* a = new QAction(QString::fromUtf8(caption), this);
  a->setObjectName(QString::fromUtf8(name));
  a->setShortcut(keys);
  connect(a, &QAction::triggered, this, slot);
  return a;
}

void ChartWindow::buildMenus() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName(QStringLiteral("ChartMenus"));
  layout()->setMenuBar(bar);

  QAction* save = action("SaveChart", captions::saveItem, {}, &ChartWindow::saveAs);
  QAction* newDesign =
      action("NewDesign", captions::newDesignItem, QKeySequence::New, &ChartWindow::newDesign);
  QAction* open =
      action("OpenDesign", captions::openItem, QKeySequence::Open, &ChartWindow::openDesign);
  QAction* saveDesign = new QAction(QString::fromUtf8(captions::saveDesignItem), this);
  saveDesign->setObjectName(QStringLiteral("SaveDesign"));
  saveDesign->setShortcut(QKeySequence::Save);
  connect(saveDesign, &QAction::triggered, this, [this] { this->saveDesign(); });
  QAction* saveDesignAs = new QAction(QString::fromUtf8(captions::saveDesignAsItem), this);
  saveDesignAs->setObjectName(QStringLiteral("SaveDesignAs"));
  saveDesignAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  connect(saveDesignAs, &QAction::triggered, this, [this] { this->saveDesignAs(); });
  QAction* csv = action("ExportCsv", captions::exportCsvItem, {}, &ChartWindow::exportCsvAs);
  QAction* print =
      action("PrintChart", captions::printItem, QKeySequence::Print, &ChartWindow::print);
  QAction* pdf = action("ExportPdf", captions::exportPdfItem, {}, &ChartWindow::exportPdfAs);
  auto* close = new QAction(QString::fromUtf8(captions::chartCloseItem), this);
  close->setObjectName(QStringLiteral("CloseChart"));
  close->setShortcut(QKeySequence::Close);
  connect(close, &QAction::triggered, this, &QWidget::close);
  QMenu* file = bar->addMenu(QString::fromUtf8(captions::chartFileMenu));
  file->addActions({newDesign, open});
  recent_ = file->addMenu(QString::fromUtf8(captions::recentMenu));
  recent_->setObjectName(QStringLiteral("RecentFiles"));
  connect(recent_, &QMenu::aboutToShow, this, &ChartWindow::fillRecent);
  file->addActions({saveDesign, saveDesignAs});
  file->addSeparator();
  file->addActions({save, csv, pdf, print});
  file->addSeparator();
  file->addAction(close);

  QAction* copy =
      action("CopyChart", captions::copyItem, QKeySequence::Copy, &ChartWindow::copyImage);
  QAction* copyTable =
      action("CopyTable", captions::copyTableItem, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
             &ChartWindow::copyTable);
  QAction* undo = undo_->createUndoAction(this, QString::fromUtf8(captions::undoItem));
  undo->setObjectName(QStringLiteral("Undo"));
  undo->setShortcuts(QKeySequence::Undo);
  QAction* redo = undo_->createRedoAction(this, QString::fromUtf8(captions::redoItem));
  redo->setObjectName(QStringLiteral("Redo"));
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  QMenu* edit = bar->addMenu(QString::fromUtf8(captions::chartEditMenu));
  edit->addActions({undo, redo});
  edit->addSeparator();
  edit->addActions({copy, copyTable});

  QAction* add = action("NewPoint", captions::newPointItem, QKeySequence(Qt::Key_Insert),
                        &ChartWindow::newPoint);
  addCurrent_ = action("AddCurrentPoint", captions::addCurrentItem,
                       QKeySequence(Qt::CTRL | Qt::Key_D), &ChartWindow::addCurrentPoint);
  rename_ = action("RenamePoint", captions::renameItem, QKeySequence(Qt::Key_F2),
                   &ChartWindow::renameSelected);
  delete_ = action("DeletePoint", captions::deleteItem, QKeySequence::Delete,
                   &ChartWindow::deleteSelected);
  // Rename and delete act on the table's row, and their keys only there: Delete in a text box
  // deletes text.
  for (QAction* a : {rename_, delete_}) a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  table_->addActions({rename_, delete_, copyTable});
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
  QAction* process =
      action("NewProcess", captions::newProcessItem, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
             &ChartWindow::newProcess);
  epsilonLine_ =
      action("EpsilonLine", captions::epsilonLineItem, {}, &ChartWindow::drawEpsilonLine);
  editProcess_ =
      action("EditProcess", captions::editProcessItem, {}, &ChartWindow::editSelectedProcess);
  deleteProcess_ = action("DeleteProcess", captions::deleteProcessItem, QKeySequence::Delete,
                          &ChartWindow::deleteSelectedProcess);
  deleteProcess_->setShortcutContext(Qt::WidgetWithChildrenShortcut);  // as for the points
  processTable_->addActions({editProcess_, deleteProcess_});
  processTable_->setContextMenuPolicy(Qt::ActionsContextMenu);
  QMenu* points = bar->addMenu(QString::fromUtf8(captions::pointMenu));
  points->addActions({add, addCurrent_, rename_, delete_});
  points->addSeparator();
  points->addActions({process, editProcess_, deleteProcess_});
  points->addSeparator();
  points->addAction(epsilonLine_);
  epsilonLines_ = points->addMenu(QString::fromUtf8(captions::deleteEpsilonLineMenu));
  epsilonLines_->setObjectName(QStringLiteral("DeleteEpsilonLine"));
  connect(epsilonLines_, &QMenu::aboutToShow, this, &ChartWindow::listEpsilonLines);
  points->setToolTipsVisible(true);  // why 加入当前状态点 is disabled
  table_->addAction(epsilonLine_);

  QAction* reset = action("ResetView", captions::resetViewItem, QKeySequence(Qt::Key_Home),
                          &ChartWindow::resetView);
  QAction* zoomIn =
      action("ZoomIn", captions::zoomInItem, QKeySequence::ZoomIn, &ChartWindow::zoomIn);
  // Ctrl+= too: "+" is a shifted key on many keyboards.
  zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  QAction* zoomOut =
      action("ZoomOut", captions::zoomOutItem, QKeySequence::ZoomOut, &ChartWindow::zoomOut);
  QMenu* view = bar->addMenu(QString::fromUtf8(captions::chartViewMenu));
  view->addActions({zoomIn, zoomOut, reset});

  // The chart's context menu offers the same.
  chart_->addActions({save, copy, reset, add, process});
  chart_->setContextMenuPolicy(Qt::ActionsContextMenu);
  // Window-wide keys, whichever part has the focus.
  addActions({newDesign, open, saveDesign, saveDesignAs, csv, print, close, undo, redo, copy,
              copyTable, add, addCurrent_, reset, zoomIn, zoomOut, process});
  buildClimateMenus(file, view);
}

void ChartWindow::setPressure(double pa) {
  if (pa == pressure()) return;
  model_->setPressure(pa);
  chart_->setPressure(pa);
}

double ChartWindow::pressure() const {
  return workspace_.pressure();
}

void ChartWindow::setArithmetic(psychro::Arithmetic m) {
  if (m == arithmetic()) return;
  model_->setArithmetic(m);
  chart_->setArithmetic(m);
}

psychro::Arithmetic ChartWindow::arithmetic() const {
  return workspace_.arithmetic();
}

void ChartWindow::setState(const psychro::AirState& air, const workspace::TypedPair& given) {
  workspace_.setCurrent(air, given);
  chart_->update();
  updateActions();
}

std::string_view ChartWindow::addPoint(const workspace::TypedPair& given) {
  const std::string_view message = model_->add(given);
  if (!message.empty()) return message;
  record(QString::fromUtf8(captions::addPointStep)
             .arg(QString::fromStdString(points().points().back().name)));
  table_->selectRow(model_->rowCount() - 1);
  return message;
}

void ChartWindow::addCurrentPoint() {
  if (workspace_.currentAddable()) notice(addPoint(workspace_.current()->given));
}

void ChartWindow::setStateCurrent(bool current) {
  workspace_.setCurrentFresh(current);
  updateActions();
}

void ChartWindow::addAt(double t, double φ) {
  // At the resolution the main window shows t and φ in its result boxes.
  notice(addPoint({{psychro::Quantity::t, psychro::Quantity::rh},
                   calc::formatFixed(t, calc::info(calc::Output::dryBulb).decimals),
                   calc::formatFixed(100 * φ, calc::info(calc::Output::humidity).decimals)}));
}

void ChartWindow::notice(std::string_view message) {
  if (!message.empty()) showNotice(this, fromUtf8(calc::messages::title), fromUtf8(message));
}

std::string_view ChartWindow::addProcess(const workspace::ProcessRequest& request) {
  const std::string_view message = model_->addProcess(request);
  if (!message.empty()) return message;
  record(QString::fromUtf8(captions::newProcessStep)
             .arg(processName(processes().processes().size() - 1)));
  table_->selectRow(model_->rowCount() - 1);
  return message;
}

namespace {

// An ε line as 删除热湿比线 lists it and its steps name it: "A ε=8000".
QString lineName(const workspace::PointList& points, const workspace::EpsilonLine& line) {
  const workspace::StatePoint* p = points.find(line.point);
  return QString::fromUtf8(captions::epsilonLineName)
      .arg(p ? QString::fromStdString(p->name) : QString(),
           QString::fromStdString(workspace::epsilonText(line.ε)));
}

}  // namespace

bool ChartWindow::addEpsilonLine(unsigned id, double ε) {
  const std::size_t drawn = processes().drawnLines().size();
  if (!model_->addEpsilonLine(id, ε)) return false;
  // The same line again draws nothing new, and is no step.
  if (processes().drawnLines().size() > drawn)
    record(QString::fromUtf8(captions::epsilonLineStep)
               .arg(lineName(points(), processes().drawnLines().back())));
  return true;
}

std::string_view ChartWindow::editProcess(std::size_t i, const workspace::ProcessRequest& r) {
  const std::string_view message = model_->editProcess(i, r);
  if (message.empty()) record(QString::fromUtf8(captions::editProcessStep).arg(processName(i)));
  return message;
}

void ChartWindow::removeProcess(std::size_t i) {
  if (i >= processes().processes().size()) return;
  const QString name = processName(i);
  model_->removeProcess(i);
  record(QString::fromUtf8(captions::deleteProcessStep).arg(name));
}

bool ChartWindow::removeEpsilonLine(std::size_t i) {
  const std::vector<workspace::EpsilonLine> lines = processes().drawnLines();
  if (i >= lines.size()) return false;
  const QString name = lineName(points(), lines[i]);
  model_->removeEpsilonLine(i);
  record(QString::fromUtf8(captions::deleteEpsilonLineStep).arg(name));
  return true;
}

void ChartWindow::record(const QString& text) {
  auto after = std::make_shared<const workspace::Workspace>(workspace_);
  undo_->push(new DesignStep(text, std::exchange(recorded_, after), after,
                             [this](const DesignStep::Design& d) { restore(d); }));
}

void ChartWindow::restore(const std::shared_ptr<const workspace::Workspace>& design) {
  // The design comes back at the pressure in force now, with the main window's present state.
  workspace_.restore(*design);
  recorded_ = design;
  model_->reset();
}

QString ChartWindow::processName(std::size_t i) const {
  return processModel_->index(static_cast<int>(i), 0).data().toString();
}

void ChartWindow::listEpsilonLines() {
  epsilonLines_->clear();
  const std::vector<workspace::EpsilonLine> lines = processes().drawnLines();
  for (std::size_t i = 0; i < lines.size(); ++i)
    connect(epsilonLines_->addAction(lineName(points(), lines[i])), &QAction::triggered, this,
            [this, i] { removeEpsilonLine(i); });
}

int ChartWindow::selectedRow() const {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void ChartWindow::updateActions() {
  const bool stale = workspace_.current() && !workspace_.currentAddable();
  addCurrent_->setEnabled(workspace_.currentAddable());
  addCurrent_->setToolTip(stale ? QString::fromUtf8(captions::staleAddCurrent) : QString());
  const bool selected = selectedRow() >= 0;
  rename_->setEnabled(selected);
  delete_->setEnabled(selected);
  epsilonLine_->setEnabled(selected);
  const bool process = selectedProcess() >= 0;
  editProcess_->setEnabled(process);
  deleteProcess_->setEnabled(process);
  epsilonLines_->setEnabled(!processes().drawnLines().empty());
}

int ChartWindow::selectedProcess() const {
  const QModelIndexList rows = processTable_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void ChartWindow::newPoint() {
  if (!dialog_)
    dialog_ = new PointDialog([this](const workspace::TypedPair& g) { return addPoint(g); }, this);
  dialog_->open();
}

void ChartWindow::newProcess() {
  if (!processDialog_)
    processDialog_ = new ProcessDialog(
        [this](const workspace::ProcessRequest& r) { return addProcess(r); }, this);
  const int row = selectedRow();
  processDialog_->setPoints(points().points(),
                            row < 0 ? 0 : points().points()[static_cast<std::size_t>(row)].id);
  processDialog_->clearFlow();
  processDialog_->open();
}

void ChartWindow::drawEpsilonLine() {
  const int row = selectedRow();
  if (row < 0) return;
  const workspace::StatePoint& p = points().points()[static_cast<std::size_t>(row)];
  bool ok = false;
  const QString text = QInputDialog::getText(
      this, QString::fromUtf8(captions::epsilonLineTitle),
      QString::fromUtf8(captions::epsilonLinePrompt).arg(QString::fromStdString(p.name)),
      QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  const std::optional<double> ε = workspace::readEpsilon(text.toStdString());
  if (!ε && !text.trimmed().isEmpty() && !calc::startsWithNumber(text.toStdString())) {
    showNotice(
        this, fromUtf8(calc::messages::title),
        QString::fromUtf8(captions::notANumberIn).arg(QString::fromUtf8(captions::epsilonCaption)));
    return;
  }
  if (!ε) {
    notice(text.trimmed().isEmpty() ? calc::words(psychro::Outcome::missingInput)
                                    : workspace::notANumber);
    return;
  }
  addEpsilonLine(p.id, *ε);
}

void ChartWindow::renameSelected() {
  const int row = selectedRow();
  if (row < 0) return;
  const QModelIndex name = model_->index(row, 0);
  table_->setCurrentIndex(name);
  table_->edit(name);
}

void ChartWindow::deleteSelected() {
  const int row = selectedRow();
  if (row < 0) return;
  const QString name =
      QString::fromStdString(points().points()[static_cast<std::size_t>(row)].name);
  model_->remove(row);
  record(QString::fromUtf8(captions::deletePointStep).arg(name));
}

void ChartWindow::editSelectedProcess() {
  const int row = selectedProcess();
  if (row < 0) return;
  if (!editDialog_) {
    editDialog_ = new ProcessDialog(
        [this](const workspace::ProcessRequest& r) { return editProcess(editing_, r); }, this);
    editDialog_->setObjectName(QStringLiteral("EditProcessDialog"));
    editDialog_->setWindowTitle(QString::fromUtf8(captions::editProcessTitle));
  }
  editing_ = static_cast<std::size_t>(row);
  // A process runs after those made before it: it may start at any point but its own outlet and
  // those of the processes after it.
  const std::vector<workspace::Process>& all = processes().processes();
  std::vector<workspace::StatePoint> offered;
  for (const workspace::StatePoint& p : points().points())
    if (std::none_of(all.begin() + row, all.end(),
                     [&p](const workspace::Process& q) { return q.outlet == p.id; }))
      offered.push_back(p);
  const workspace::ProcessRequest& r = all[editing_].request;
  editDialog_->setPoints(offered, r.from);
  editDialog_->setRequest(r);
  editDialog_->open();
}

void ChartWindow::deleteSelectedProcess() {
  const int row = selectedProcess();
  if (row >= 0) removeProcess(static_cast<std::size_t>(row));
}

void ChartWindow::resetView() {
  chart_->resetView();
}

void ChartWindow::zoomIn() {
  chart_->zoomBy(0.8);
}

void ChartWindow::zoomOut() {
  chart_->zoomBy(1 / 0.8);
}

void ChartWindow::copyImage() {
  QGuiApplication::clipboard()->setImage(chart_->image(chart_->devicePixelRatioF()));
}

void ChartWindow::copyTable() {
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(workspace::tabSeparated(workspace_, shownHours())));
}

bool ChartWindow::exportCsv(const QString& path, QString* error) const {
  const std::string text = workspace::commaSeparated(workspace_, shownHours());
  return writeFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())), error);
}

bool ChartWindow::printTo(QPagedPaintDevice& device, int* pages) const {
  // A saved design is titled by its file's name and names the file; the block also states the
  // date, the pressure and the arithmetic the figures were computed with.
  const QFileInfo file(filePath_);
  const std::string title = filePath_.isEmpty() ? std::string(captions::printTitle)
                                                : file.completeBaseName().toStdString();
  const std::string source =
      filePath_.isEmpty()
          ? std::string(captions::printUnsaved)
          : captions::printFile + QDir::toNativeSeparators(file.absoluteFilePath()).toStdString();
  const PrintedHeading heading{title,
                               source + "　" + captions::printDate +
                                   QDate::currentDate().toString(Qt::ISODate).toStdString() + "　" +
                                   calc::pressureCaption(workspace_.pressure()) + "　" +
                                   std::string(calc::arithmeticCaption) + "：" +
                                   std::string(calc::arithmeticName(workspace_.arithmetic()))};
  return printSheets(device, chart_->font(), heading, chart_->scene(),
                     {workspace::sheetRows(workspace_, shownHours())}, pages);
}

bool ChartWindow::exportPdf(const QString& path, QString* error) const {
  QPdfWriter writer(path);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageOrientation(QPageLayout::Landscape);
  writer.setResolution(300);
  writer.setTitle(QString::fromUtf8(captions::chartTitle));
  writer.setCreator(QStringLiteral("Torvale"));
  if (printTo(writer)) return true;
  if (error) *error = QFileInfo(path).absoluteDir().exists() ? QString() : path;
  return false;
}

void ChartWindow::exportPdfAs() {
  const QString path =
      askSavePath(this, captions::pdfDialogTitle, lastPdfPath_, QStandardPaths::DocumentsLocation,
                  captions::pdfDefaultName, captions::pdfFilter)
          .path;
  if (path.isEmpty()) return;
  lastPdfPath_ = path;
  if (!exportPdf(path))
    showNotice(this, fromUtf8(calc::messages::title),
               QString::fromUtf8(captions::pdfFailed) + path);
}

void ChartWindow::print() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(QPageLayout::Landscape);
    printer_->setDocName(QString::fromUtf8(captions::chartTitle));
  }
  QPrintDialog dialog(printer_.get(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!printTo(*printer_))
    showNotice(this, fromUtf8(calc::messages::title), QString::fromUtf8(captions::printFailed));
}

void ChartWindow::saveAs() {
  const SaveChoice chosen =
      askSavePath(this, captions::saveDialogTitle, lastPath_, QStandardPaths::PicturesLocation,
                  captions::saveDefaultName, captions::saveFilter);
  if (chosen.path.isEmpty()) return;
  const QString path = withChartSuffix(chosen.path, chosen.filter);
  // A suffix added here ("图.v2" → "图.v2.png") was not seen by the dialog's replace question.
  if (path != chosen.path && QFileInfo::exists(path) &&
      !confirmReplace(this, QString::fromUtf8(captions::saveDialogTitle), path))
    return;
  lastPath_ = path;
  QString why;
  if (!chart_->saveTo(path, &why))
    showNotice(this, fromUtf8(calc::messages::title),
               QString::fromUtf8(captions::saveFailed) + path + '\n' + why);
}

void ChartWindow::exportCsvAs() {
  const QString path =
      askSavePath(this, captions::csvDialogTitle, lastCsvPath_, QStandardPaths::DocumentsLocation,
                  captions::csvDefaultName, captions::csvFilter)
          .path;
  if (path.isEmpty()) return;
  lastCsvPath_ = path;
  QString why;
  if (!exportCsv(path, &why))
    showNotice(this, fromUtf8(calc::messages::title),
               QString::fromUtf8(captions::csvFailed) + path + '\n' + why);
}

}  // namespace ui
