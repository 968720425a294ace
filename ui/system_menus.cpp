#include "ui/system_menus.h"

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <string>

#include "ui/captions.h"
#include "ui/step_names.h"
#include "ui/system_dialog.h"
#include "ui/utf8.h"

namespace ui {
namespace {

// A new system's inputs to start from: the summer design case of docs/systems.md, named by the
// first free of AHU-1, AHU-2, ….
workspace::SystemRequest firstRequest(const workspace::Workspace& design) {
  workspace::SystemRequest s;
  s.outdoor = {{psychro::Quantity::t, psychro::Quantity::rh}, "35", "60"};
  s.room = {{psychro::Quantity::t, psychro::Quantity::rh}, "26", "55"};
  s.heat = 40;
  s.moisture = 18;
  s.targetFirst = 18;
  s.targetSecond = 95;
  for (int n = 1;; ++n) {
    s.name = "AHU-" + std::to_string(n);
    if (!workspace::checkSystem(s, design.systems())) return s;
  }
}

}  // namespace

SystemMenus::SystemMenus(QWidget* owner, document::Document& design, QMenu* menu)
    : QObject(owner), owner_(owner), design_(design) {
  auto* add = menu->addAction(QString::fromUtf8(captions::newSystemItem));
  add->setObjectName(QStringLiteral("NewSystem"));
  connect(add, &QAction::triggered, this, &SystemMenus::newSystem);
  edit_ = menu->addAction(QString::fromUtf8(captions::editSystemItem));
  edit_->setObjectName(QStringLiteral("EditSystem"));
  connect(edit_, &QAction::triggered, this, [this] { editSystem(); });
  const auto follow = [this] { edit_->setEnabled(!design_.design().systems().empty()); };
  design.listen([follow](const document::Change&) { follow(); });
  follow();
}

SystemDialog* SystemMenus::dialog(bool editing) {
  SystemDialog*& made = editing ? editDialog_ : newDialog_;
  if (made) return made;
  const auto plan =
      [this, editing](
          const workspace::SystemRequest& request) -> std::variant<workspace::SystemPlan, QString> {
    const workspace::Workspace& w = design_.design();
    auto planned = w.planSystem(request, editing ? editing_ : w.systems().size());
    if (auto* why = std::get_if<workspace::Refusal>(&planned))
      return refusalText(document::byDesign(std::move(*why)));
    return std::get<workspace::SystemPlan>(std::move(planned));
  };
  const auto apply = [this, editing](const workspace::SystemRequest& request,
                                     const std::vector<std::string>& names) {
    const document::Refused why =
        editing ? design_.editSystem(editing_, request, names) : design_.addSystem(request, names);
    return why ? refusalText(*why) : QString();
  };
  made = new SystemDialog(plan, apply, owner_);
  if (editing) {
    made->setObjectName(QStringLiteral("EditSystemDialog"));
    made->setWindowTitle(QString::fromUtf8(captions::editSystemTitle));
  }
  return made;
}

void SystemMenus::newSystem() {
  SystemDialog* d = dialog(false);
  d->setRequest(firstRequest(design_.design()));
  d->open();
}

void SystemMenus::editSystem(int i) {
  const auto& systems = design_.design().systems();
  if (i < 0 || static_cast<std::size_t>(i) >= systems.size()) return;
  editing_ = static_cast<std::size_t>(i);
  SystemDialog* d = dialog(true);
  QStringList names;
  for (const workspace::AirSystem& s : systems) names << fromUtf8(s.request.name);
  d->setChoices(names, i, [this](int other) { editSystem(other); });
  d->setRequest(systems[editing_].request);
  d->open();
}

}  // namespace ui
