#include "ui/about_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>
#include <array>
#include <utility>

#include "calc/version.h"
#include "ui/about_info.h"
#include "ui/captions.h"
#include "ui/fit_scale.h"
#include "ui/on_screen.h"
#include "ui/program_icon.h"

namespace ui {
namespace {

constexpr int clientWidth = 4020;  // twips
constexpr int clientHeight = 2490;

// The program's name is drawn this much larger than the other lines.
constexpr double nameFontRatio = 1.6;

struct Line {
  const char* name;
  TwipsRect twips;
  const char* prefix;
  const char* value;
};

// The project has no address or other contact of its own to give: those lines are left empty
// rather than filled with a placeholder.
constexpr std::array<Line, 5> lines{{
    {"Label1", {480, 120, 3015, 615}, "", captions::aboutName},
    {"Label3", {600, 840, 2295, 375}, captions::authorPrefix, about::author},
    {"Label4", {600, 1200, 2295, 375}, "", captions::licenceLine},
    {"Label5", {600, 1560, 2175, 255}, "", ""},
    {"Label2", {840, 2160, 3135, 375}, "", ""},
}};

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QString::fromUtf8(captions::aboutTitle));
  setWindowIcon(programIcon());
  setAttribute(Qt::WA_QuitOnClose, false);

  std::array<std::pair<QLabel*, TwipsRect>, lines.size()> labels;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QString text = QString::fromUtf8(lines[i].prefix) + QString::fromUtf8(lines[i].value);
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(lines[i].name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    labels[i] = {label, lines[i].twips};
  }
  QLabel* name = labels.front().first;
  // The title line names the version, which the window's caption 版本信息 promises.
  name->setText(name->text() + QLatin1Char(' ') + QString::fromUtf8(calc::version));
  QFont large = name->font();
  large.setBold(true);
  if (large.pointSizeF() > 0)
    large.setPointSizeF(large.pointSizeF() * nameFontRatio);
  else
    large.setPixelSize(static_cast<int>(large.pixelSize() * nameFontRatio));
  name->setFont(large);
  name->setAlignment(Qt::AlignCenter);

  for (const auto& [label, twips] : labels) scale_ = std::max(scale_, fitScale(*label, twips));
  for (const auto& [label, twips] : labels) label->setGeometry(toPixels(twips, scale_));
  setFixedSize(toPixels(clientWidth, clientHeight, scale_));
}

void AboutWindow::showEvent(QShowEvent* event) {
  keepOnScreen(*this);
  QWidget::showEvent(event);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    hide();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace ui
