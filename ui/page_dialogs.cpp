#include "ui/page_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/captions.h"
#include "ui/utf8.h"

namespace ui {
namespace {

QDialogButtonBox* buttons(QDialog* dialog) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return box;
}

QComboBox* choices(QWidget* parent, const char* name, std::initializer_list<const char*> items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromUtf8(name));
  for (const char* item : items) box->addItem(QString::fromUtf8(item));
  return box;
}

// The papers in the order the dialog lists them.
constexpr std::array<workspace::Paper, 4> papers{workspace::Paper::a4, workspace::Paper::a3,
                                                 workspace::Paper::a2, workspace::Paper::printer};

}  // namespace

PageSetupDialog::PageSetupDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PageSetupDialog"));
  setWindowTitle(QString::fromUtf8(captions::pageSetupTitle));
  auto* form = new QFormLayout;
  paper_ = choices(this, "Paper", {"A4", "A3", "A2", captions::printerPaper});
  orientation_ = choices(this, "Orientation", {captions::portrait, captions::landscape});
  content_ = choices(this, "PageContent",
                     {captions::chartOnly, captions::chartAndTables, captions::tablesOnly});
  ownMargins_ = new QCheckBox(QString::fromUtf8(captions::ownMargins), this);
  ownMargins_->setObjectName(QStringLiteral("OwnMargins"));
  form->addRow(QString::fromUtf8(captions::paperLabel), paper_);
  form->addRow(QString::fromUtf8(captions::orientationLabel), orientation_);
  form->addRow(ownMargins_);
  const std::array<const char*, 4> names{"MarginLeft", "MarginTop", "MarginRight", "MarginBottom"};
  const std::array<const char*, 4> labels{captions::marginLeft, captions::marginTop,
                                          captions::marginRight, captions::marginBottom};
  for (std::size_t i = 0; i < margins_.size(); ++i) {
    margins_[i] = new QDoubleSpinBox(this);
    margins_[i]->setObjectName(QString::fromUtf8(names[i]));
    margins_[i]->setRange(0, workspace::maxMargin);
    margins_[i]->setDecimals(1);
    margins_[i]->setSuffix(QStringLiteral(" mm"));
    form->addRow(QString::fromUtf8(labels[i]), margins_[i]);
  }
  form->addRow(QString::fromUtf8(captions::contentLabel), content_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons(this));
  connect(ownMargins_, &QCheckBox::toggled, this, &PageSetupDialog::showMargins);
  connect(paper_, &QComboBox::currentIndexChanged, this, &PageSetupDialog::showMargins);
}

void PageSetupDialog::showMargins() {
  // Unchecked, the boxes show the standard frame of the paper chosen, greyed.
  const bool own = ownMargins_->isChecked();
  if (!own) {
    const workspace::Margins m =
        workspace::standardMargins(papers[static_cast<std::size_t>(paper_->currentIndex())]);
    const std::array<double, 4> sides{m.left, m.top, m.right, m.bottom};
    for (std::size_t i = 0; i < margins_.size(); ++i) margins_[i]->setValue(sides[i]);
  }
  for (QDoubleSpinBox* box : margins_) box->setEnabled(own);
}

void PageSetupDialog::start(const workspace::PageSetup& page) {
  for (std::size_t i = 0; i < papers.size(); ++i)
    if (papers[i] == page.paper) paper_->setCurrentIndex(static_cast<int>(i));
  orientation_->setCurrentIndex(page.orientation == workspace::Orientation::landscape ? 1 : 0);
  content_->setCurrentIndex(static_cast<int>(page.content));
  ownMargins_->setChecked(page.margins.has_value());
  if (page.margins) {
    const std::array<double, 4> sides{page.margins->left, page.margins->top, page.margins->right,
                                      page.margins->bottom};
    for (std::size_t i = 0; i < margins_.size(); ++i) margins_[i]->setValue(sides[i]);
  }
  showMargins();
}

workspace::PageSetup PageSetupDialog::page() const {
  workspace::PageSetup page;
  page.paper = papers[static_cast<std::size_t>(std::max(0, paper_->currentIndex()))];
  page.orientation = orientation_->currentIndex() == 1 ? workspace::Orientation::landscape
                                                       : workspace::Orientation::portrait;
  page.content = static_cast<workspace::PageContent>(std::max(0, content_->currentIndex()));
  if (ownMargins_->isChecked())
    page.margins = workspace::Margins{margins_[0]->value(), margins_[1]->value(),
                                      margins_[2]->value(), margins_[3]->value()};
  return page;
}

TitleBlockDialog::TitleBlockDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TitleBlockDialog"));
  setWindowTitle(QString::fromUtf8(captions::titleBlockTitle));
  const std::array<const char*, workspace::titleKeys.size()> labels{
      "项目名称：", "子项：", "图名：", "图号：", "设计：", "校对：", "审核：", "日期：", "单位："};
  auto* form = new QFormLayout;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = new QLineEdit(this);
    // "TitleProject", "TitleDrawingName", … after the file's keys.
    QString key = QString::fromUtf8(workspace::titleKeys[i].first.data());
    key[0] = key[0].toUpper();
    fields_[i]->setObjectName(QStringLiteral("Title") + key);
    fields_[i]->setMaxLength(static_cast<int>(workspace::maxTitleBytes / 4));
    form->addRow(QString::fromUtf8(labels[i]), fields_[i]);
  }
  fields_[7]->setPlaceholderText(QString::fromUtf8(captions::printDatePlaceholder));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons(this));
}

void TitleBlockDialog::start(const workspace::TitleBlock& title, const QString& drawingName) {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    fields_[i]->setText(fromUtf8(title.*workspace::titleKeys[i].second));
  fields_[2]->setPlaceholderText(drawingName);
  fields_[0]->setFocus();
}

workspace::TitleBlock TitleBlockDialog::title() const {
  workspace::TitleBlock title;
  for (std::size_t i = 0; i < fields_.size(); ++i)
    title.*workspace::titleKeys[i].second = fields_[i]->text().trimmed().toStdString();
  return title;
}

}  // namespace ui
