#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <utility>
#include <vector>

#include "calc/arithmetic_names.h"
#include "calc/calculate.h"
#include "calc/copied_results.h"
#include "calc/pair_calculation.h"
#include "calc/pressure_setting.h"
#include "psychro/pressure.h"
#include "ui/about_window.h"
#include "ui/captions.h"
#include "ui/chart_window.h"
#include "ui/design_files.h"
#include "ui/fit_scale.h"
#include "ui/guide_viewer.h"
#include "ui/main_window_layout.h"
#include "ui/notice.h"
#include "ui/on_screen.h"
#include "ui/pressure_dialog.h"
#include "ui/program_icon.h"
#include "ui/superscript.h"
#include "ui/utf8.h"

namespace ui {
namespace {

template <class W, class... Args>
W* named(std::string_view name, Args&&... args) {
  W* widget = new W(std::forward<Args>(args)...);
  widget->setObjectName(fromUtf8(name));
  return widget;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(captions::mainTitle));
  setWindowIcon(programIcon());
  recovery_ = std::make_unique<document::Recovery>(
      *files_, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
      document::instanceName());
  buildMenus();
  buildControls();
  fillSelectors();
  placeControls();
  placeArithmeticLabel();
  orderTabs();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(QString::fromUtf8(captions::fileMenu));
  file->setObjectName(QStringLiteral("File"));
  copyAll_ = file->addAction(QString::fromUtf8(captions::copyAllItem));
  copyAll_->setObjectName(QStringLiteral("CopyAll"));
  copyAll_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  addAction(copyAll_);  // its shortcut works wherever the focus is in the window
  connect(copyAll_, &QAction::triggered, this, &MainWindow::copyAllResults);
  QAction* close = file->addAction(QString::fromUtf8(captions::closeItem));
  close->setObjectName(QStringLiteral("Close"));
  connect(close, &QAction::triggered, this, &MainWindow::closeProgram);

  QMenu* view = menuBar()->addMenu(QString::fromUtf8(captions::viewMenu));
  view->setObjectName(QStringLiteral("View"));
  QAction* chart = view->addAction(QString::fromUtf8(captions::chartItem));
  chart->setObjectName(QStringLiteral("Chart"));
  connect(chart, &QAction::triggered, this, &MainWindow::showChart);
  addPoint_ = view->addAction(QString::fromUtf8(captions::addCurrentItem));
  addPoint_->setObjectName(QStringLiteral("AddPoint"));
  addPoint_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  addPoint_->setEnabled(false);
  connect(addPoint_, &QAction::triggered, this, &MainWindow::addCurrentPoint);
  view->setToolTipsVisible(true);  // why 加入当前状态点 is disabled

  QMenu* settings = menuBar()->addMenu(QString::fromUtf8(captions::settingsMenu));
  settings->setObjectName(QStringLiteral("Settings"));
  QAction* pressure = settings->addAction(QString::fromUtf8(captions::pressureItem));
  pressure->setObjectName(QStringLiteral("Pressure"));
  connect(pressure, &QAction::triggered, this, &MainWindow::choosePressure);
  QMenu* arithmetics = settings->addMenu(QString::fromUtf8(captions::arithmeticMenu));
  arithmetics->setObjectName(QStringLiteral("Arithmetic"));
  auto* group = new QActionGroup(this);
  const std::pair<psychro::Arithmetic, const char*> items[] = {
      {psychro::Arithmetic::classic, "ArithmeticClassic"},
      {psychro::Arithmetic::ashrae2017, "ArithmeticAshrae"}};
  for (std::size_t i = 0; i < std::size(items); ++i) {
    const psychro::Arithmetic m = items[i].first;
    QAction* item = arithmetics->addAction(fromUtf8(calc::arithmeticName(m)));
    item->setObjectName(QString::fromUtf8(items[i].second));
    item->setCheckable(true);
    item->setChecked(m == arithmetic_);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, m] { setArithmetic(m); });
    arithmeticItems_[i] = item;
  }

  QMenu* help = menuBar()->addMenu(QString::fromUtf8(captions::helpMenu));
  help->setObjectName(QStringLiteral("Help"));
  help->addAction(guideAction(*this));
  help->addSeparator();
  QAction* content = help->addAction(QString::fromUtf8(captions::aboutItem));
  content->setObjectName(QStringLiteral("Content"));
  connect(content, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::buildControls() {
  client_ = named<QWidget>("client", this);
  setCentralWidget(client_);
  inputRow_ = named<QGroupBox>("Frame1", client_);
  firstSelector_ = named<QComboBox>("Combo1", inputRow_);
  dryBulbField_ = named<QLineEdit>("Text11", inputRow_);
  secondSelector_ = named<QComboBox>("Combo2", inputRow_);
  secondField_ = named<QLineEdit>("Text12", inputRow_);
  calculateButton_ =
      named<QPushButton>("Command1", QString::fromUtf8(captions::calculate), client_);
  calculateButton_->setDefault(true);
  // Sized for the widest pressure it can show; hidden while the pressure is standard.
  pressureLabel_ = named<QLabel>(
      "PressureLabel", fromUtf8(calc::pressureCaption(psychro::highestPressure)), client_);
  pressureLabel_->setTextFormat(Qt::PlainText);
  pressureLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  pressureLabel_->hide();
  arithmeticLabel_ = named<QLabel>(
      "ArithmeticLabel", fromUtf8(calc::arithmeticName(psychro::Arithmetic::ashrae2017)), client_);
  arithmeticLabel_->setTextFormat(Qt::PlainText);
  arithmeticLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  arithmeticLabel_->setAccessibleName(arithmeticLabel_->text());
  arithmeticLabel_->hide();

  // An input box is announced by the entry its selector shows.
  connect(firstSelector_, &QComboBox::currentTextChanged, dryBulbField_,
          &QLineEdit::setAccessibleName);
  connect(secondSelector_, &QComboBox::currentTextChanged, secondField_,
          &QLineEdit::setAccessibleName);
  connect(calculateButton_, &QPushButton::clicked, this, &MainWindow::calculateCommand);
  connect(dryBulbField_, &QLineEdit::textChanged, this, &MainWindow::inputsChanged);
  connect(secondField_, &QLineEdit::textChanged, this, &MainWindow::inputsChanged);
  connect(secondSelector_, &QComboBox::currentIndexChanged, this, &MainWindow::inputsChanged);

  for (const main_window::ResultLabel& row : main_window::resultLabels) {
    const calc::OutputInfo& info = calc::info(row.field);
    auto* label = named<QLabel>(row.label, fromUtf8(info.caption), client_);
    label->setTextFormat(Qt::PlainText);
    if (row.index >= 0) label->setProperty("index", row.index);
    if (!row.superscriptName.empty()) {
      auto* raised = named<QLabel>(row.superscriptName, fromUtf8(info.superscript), client_);
      raised->setTextFormat(Qt::PlainText);
    }
    auto* box = named<QLineEdit>(info.objectName, client_);
    box->setReadOnly(true);  // still selectable and copyable
    box->setAccessibleName(fromUtf8(info.caption) + superscriptText(info.superscript));
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QLineEdit::customContextMenuRequested, this,
            [this, box](const QPoint& pos) { showResultMenu(box, pos); });
    results_[static_cast<std::size_t>(row.field)] = box;
  }

  // The client area and the input row react to presses on their own free area only.
  client_->installEventFilter(this);
  inputRow_->installEventFilter(this);
}

void MainWindow::fillSelectors() {
  firstSelector_->addItem(QString::fromUtf8(captions::dryBulb));
  secondSelector_->addItem(QString::fromUtf8(captions::wetBulb));
  secondSelector_->addItem(QString::fromUtf8(captions::relativeHumidity));
  firstSelector_->setCurrentIndex(0);
  secondSelector_->setCurrentIndex(0);
}

QWidget* MainWindow::control(std::string_view name, int index) const {
  const QList<QWidget*> found = client_->findChildren<QWidget*>(fromUtf8(name));
  for (QWidget* w : found) {
    const QVariant i = w->property("index");
    if (index < 0 || (i.isValid() && i.toInt() == index)) return w;
  }
  return nullptr;
}

void MainWindow::placeControls() {
  scale_ = 1;
  for (const main_window::Placement& p : main_window::placements)
    if (QWidget* w = control(p.name, p.index)) scale_ = std::max(scale_, fitScale(*w, p.twips));

  for (const main_window::Placement& p : main_window::placements) {
    QWidget* w = control(p.name, p.index);
    if (!w) continue;
    w->setGeometry(toPixels(p.twips, scale_));
    // A press on a control is the control's: it must not reach the input row or the client area.
    w->setAttribute(Qt::WA_NoMousePropagation);
  }
  for (const main_window::ResultLabel& row : main_window::resultLabels) {
    if (row.superscriptName.empty()) continue;
    auto* base = qobject_cast<QLabel*>(control(row.label, row.index));
    auto* raised = qobject_cast<QLabel*>(control(row.superscriptName, -1));
    if (!base || !raised) continue;
    placeSuperscript(*base, *raised);
    raised->setAttribute(Qt::WA_NoMousePropagation);
  }

  client_->setFixedSize(toPixels(main_window::clientWidth, main_window::clientHeight, scale_));
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::orderTabs() {
  std::vector<std::pair<int, QWidget*>> order;
  for (const main_window::Placement& p : main_window::placements) {
    QWidget* w = control(p.name, p.index);
    if (p.tabIndex >= 0 && w && (w->focusPolicy() & Qt::TabFocus))
      order.emplace_back(p.tabIndex, w);
  }
  std::sort(order.begin(), order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
  // The user's first step is typing the dry-bulb temperature: start there, not in a result box.
  dryBulbField_->setFocus();
}

std::string MainWindow::text(calc::Input field) const {
  return (field == calc::Input::dryBulb ? dryBulbField_ : secondField_)->text().toStdString();
}

std::optional<calc::Route> MainWindow::route() const {
  return calc::routeAt(secondSelector_->currentIndex());
}

void MainWindow::showMessage(std::string_view title, std::string_view text) {
  showNotice(this, fromUtf8(title), fromUtf8(text));
}

void MainWindow::setText(calc::Output field, std::string_view text) {
  QLineEdit* box = results_[static_cast<std::size_t>(field)];
  box->setText(fromUtf8(text));
  box->setCursorPosition(0);  // a value wider than its box shows its leading digits
}

void MainWindow::setPressure(double pa) {
  if (!psychro::pressureInRange(pa) || pa == pressure_) return;
  pressure_ = pa;
  const bool standard = pa == psychro::standardPressure;
  if (!standard) {
    const QString caption = fromUtf8(calc::pressureCaption(pa));
    pressureLabel_->setText(caption);
    pressureLabel_->setAccessibleName(caption);
  }
  pressureLabel_->setVisible(!standard);
  placeArithmeticLabel();
  inputsChanged();
  emit pressureChanged(pa);
}

void MainWindow::setArithmetic(psychro::Arithmetic m) {
  for (QAction* item : arithmeticItems_)
    item->setChecked(item == arithmeticItems_[m == psychro::Arithmetic::classic ? 0 : 1]);
  if (m == arithmetic_) return;
  arithmetic_ = m;
  placeArithmeticLabel();
  inputsChanged();
  emit arithmeticChanged(m);
}

void MainWindow::placeArithmeticLabel() {
  const auto at =
      std::find_if(main_window::placements.begin(), main_window::placements.end(),
                   [](const main_window::Placement& p) { return p.name == "PressureLabel"; });
  const QRect area = toPixels(at->twips, scale_);
  const bool shown = arithmetic_ != psychro::Arithmetic::classic;
  arithmeticLabel_->setVisible(shown);
  if (!shown || pressureLabel_->isHidden()) {
    pressureLabel_->setGeometry(area);
    arithmeticLabel_->setGeometry(area);
    return;
  }
  // Both show: the pressure keeps its text's width, the arithmetic's name follows after a gap.
  const int gap = pressureLabel_->fontMetrics().horizontalAdvance(QStringLiteral("MM"));
  const int width = std::min(area.width(), pressureLabel_->sizeHint().width());
  pressureLabel_->setGeometry(area.left(), area.top(), width, area.height());
  const int left = area.left() + width + gap;
  arithmeticLabel_->setGeometry(left, area.top(), std::max(0, area.right() + 1 - left),
                                area.height());
}

// Greyed results keep their texts and stay selectable (a disabled box would refuse both): only
// their colour and what they say to a screen reader change. 加入当前状态点 adds only a state the
// inputs still give.
void MainWindow::showResultsCurrent(bool current) {
  resultsCurrent_ = current;
  addPoint_->setEnabled(current && lastState_);
  addPoint_->setToolTip(current ? QString() : QString::fromUtf8(captions::staleAddCurrent));
  if (chart_) chart_->setStateCurrent(current);
  for (QLineEdit* box : results_) {
    if (current) {
      box->setPalette(QPalette());  // the window's own again
      box->setAccessibleDescription(QString());
      continue;
    }
    QPalette greyed = box->palette();
    const QColor grey = greyed.color(QPalette::Disabled, QPalette::Text);
    greyed.setColor(QPalette::Active, QPalette::Text, grey);
    greyed.setColor(QPalette::Inactive, QPalette::Text, grey);
    box->setPalette(greyed);
    box->setAccessibleDescription(QString::fromUtf8(captions::staleResult));
  }
}

void MainWindow::inputsChanged() {
  if (calculated_) showResultsCurrent(false);
}

void MainWindow::showResultMenu(QLineEdit* box, const QPoint& pos) {
  std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
  menu->setObjectName(QStringLiteral("ResultMenu"));
  menu->addSeparator();
  menu->addAction(copyAll_);
  menu->exec(box->mapToGlobal(pos));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Calculate is the default button: Enter that no control took calculates.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    event->accept();
    calculateButton_->click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  keepOnScreen(*this);
  QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Unsaved work in the chart window is asked about first; 取消 keeps everything open.
  if (chart_ && !chart_->files().maySetDesignAside()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
  // Neither the About window nor the chart window keeps the program alive, shown, hidden or never
  // created.
  QCoreApplication::exit(0);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool press =
      event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
  if (press && (watched == client_ || watched == inputRow_)) freeAreaPressed();
  return QMainWindow::eventFilter(watched, event);
}

AboutWindow& MainWindow::about() {
  if (!about_) about_ = std::make_unique<AboutWindow>();
  return *about_;
}

ChartWindow& MainWindow::chartWindow() {
  if (!chart_) {
    // The recovery this copy offered its left-over files through goes on as the design's own.
    chart_ = std::make_unique<ChartWindow>(nullptr, files_, std::move(recovery_));
    chart_->setPressure(pressure_);
    chart_->setArithmetic(arithmetic_);
    connect(this, &MainWindow::pressureChanged, chart_.get(), &ChartWindow::setPressure);
    connect(this, &MainWindow::arithmeticChanged, chart_.get(), &ChartWindow::setArithmetic);
    connect(chart_.get(), &ChartWindow::arithmeticChosen, this, &MainWindow::setArithmetic);
    // A design opened at its own pressure sets the pressure in force (the label follows).
    connect(chart_.get(), &ChartWindow::pressureChosen, this, &MainWindow::setPressure);
    if (lastState_) chart_->setState(*lastState_, *lastGiven_);
    chart_->setStateCurrent(resultsCurrent_);
  }
  return *chart_;
}

void MainWindow::stateShown(const psychro::AirState& air) {
  calculated_ = Calculated{dryBulbField_->text().toStdString(), secondField_->text().toStdString(),
                           secondSelector_->currentText().toStdString(), pressure_, arithmetic_};
  // The command has just read the route, so there is one.
  lastState_ = air;
  lastGiven_ =
      workspace::TypedPair{calc::routePair(route().value()), calculated_->t, calculated_->x};
  showResultsCurrent(true);
  if (chart_) chart_->setState(air, *lastGiven_);
}

void MainWindow::calculateCommand() {
  calc::calculateCommand(*this, this, pressure_, arithmetic_);
}

void MainWindow::choosePressure() {
  if (!pressureDialog_) {
    pressureDialog_ = new PressureDialog(this);
    connect(pressureDialog_, &QDialog::accepted, this,
            [this] { setPressure(pressureDialog_->pressure()); });
  }
  pressureDialog_->start(pressure_);
  pressureDialog_->open();
}

// The sheet describes one calculation: once results are shown, the inputs, selector entry and
// pressure they came from, even if the boxes above now hold something else; before the first,
// what stands in the window, with empty results.
void MainWindow::copyAllResults() {
  std::array<std::string, calc::outputs.size()> texts;
  for (std::size_t i = 0; i < texts.size(); ++i)
    texts[i] = results_[static_cast<std::size_t>(calc::outputs[i].field)]->text().toStdString();
  const Calculated from = calculated_.value_or(
      Calculated{dryBulbField_->text().toStdString(), secondField_->text().toStdString(),
                 secondSelector_->currentText().toStdString(), pressure_, arithmetic_});
  const std::string sheet =
      calc::copiedResults({firstSelector_->currentText().toStdString(), from.t},
                          {from.secondCaption, from.x}, from.pa, texts, from.arithmetic);
  QGuiApplication::clipboard()->setText(fromUtf8(sheet));
}

void MainWindow::openWorkspace(const QString& path) {
  showChart();
  chartWindow().files().openFile(path);
}

void MainWindow::offerRecovery() {
  if (!recovery_) return;  // the chart window has it, and has kept work already
  if (auto recovered = DesignFiles::offerRecovery(this, *recovery_)) {
    showChart();
    chartWindow().files().openRecovered(*recovered);
  }
}

void MainWindow::closeProgram() {
  if (chart_ && !chart_->files().maySetDesignAside()) return;  // 取消: nothing ends
  QCoreApplication::exit(0);
}

void MainWindow::showAbout() {
  AboutWindow& form = about();
  form.show();
  form.raise();
  form.activateWindow();
}

// The chart stays open beside the main window: presses there do not hide it.
void MainWindow::showChart() {
  ChartWindow& window = chartWindow();
  window.show();
  window.raise();
  window.activateWindow();
}

// Adds the last calculated state to the chart's points and shows the chart, leaving the focus here.
void MainWindow::addCurrentPoint() {
  ChartWindow& window = chartWindow();
  window.addCurrentPoint();
  window.show();
}

// A press on the free area of the window or of its input row hides the About window.
void MainWindow::freeAreaPressed() {
  about().hide();
}

}  // namespace ui
