#include "ui/step_names.h"

#include <QStringList>
#include <array>
#include <utility>

#include "calc/arithmetic_names.h"
#include "document/words.h"
#include "ui/captions.h"
#include "ui/utf8.h"

namespace ui {
namespace {

using document::StepKind;

// The caption of each kind of step, its %1 (and %2) the step's subjects.
constexpr std::array<std::pair<StepKind, const char*>, 23> stepCaptions{{
    {StepKind::addPoint, captions::addPointStep},
    {StepKind::editPoint, captions::editPointStep},
    {StepKind::renamePoint, captions::renamePointStep},
    {StepKind::movePoint, captions::movePointStep},
    {StepKind::deletePoint, captions::deletePointStep},
    {StepKind::addProcess, captions::newProcessStep},
    {StepKind::editProcess, captions::editProcessStep},
    {StepKind::deleteProcess, captions::deleteProcessStep},
    {StepKind::addLine, captions::epsilonLineStep},
    {StepKind::deleteLine, captions::deleteEpsilonLineStep},
    {StepKind::zoneOn, captions::zoneOnStep},
    {StepKind::zoneOff, captions::zoneOffStep},
    {StepKind::addZone, captions::addZoneStep},
    {StepKind::deleteZone, captions::deleteZoneStep},
    {StepKind::importWeather, captions::importWeatherStep},
    {StepKind::removeWeather, captions::removeWeatherStep},
    {StepKind::months, captions::monthsStep},
    {StepKind::pressure, captions::pressureStep},
    {StepKind::arithmetic, captions::arithmeticStep},
    {StepKind::pageSetup, captions::pageSetupStep},
    {StepKind::titleBlock, captions::titleBlockStep},
    {StepKind::addSystem, captions::addSystemStep},
    {StepKind::editSystem, captions::editSystemStep},
}};

}  // namespace

QString stepName(const document::Step& step) {
  QString caption;
  for (const auto& [kind, text] : stepCaptions)
    if (kind == step.kind) caption = QString::fromUtf8(text);
  QStringList subjects;
  for (const std::string& s : step.subjects) subjects << fromUtf8(s);
  switch (step.kind) {
    case StepKind::addLine:
    case StepKind::deleteLine:
      // An ε line as 删除热湿比线 lists it: "A ε=8000".
      return caption.arg(
          QString::fromUtf8(captions::epsilonLineName).arg(subjects.value(0), subjects.value(1)));
    case StepKind::months: {
      if (subjects.isEmpty()) return caption.arg(QString::fromUtf8(captions::allMonthsItem));
      QStringList months;
      for (const QString& m : subjects) months << QString::fromUtf8(captions::monthItem).arg(m);
      return caption.arg(months.join(QStringLiteral("、")));
    }
    case StepKind::arithmetic: {
      const auto m = calc::arithmeticOfKey(step.subjects.empty() ? "" : step.subjects[0]);
      return caption.arg(m ? fromUtf8(calc::arithmeticName(*m)) : subjects.value(0));
    }
    case StepKind::renamePoint:
      return caption.arg(subjects.value(0), subjects.value(1));
    case StepKind::pageSetup:
    case StepKind::titleBlock:
      return caption;
    default:
      return caption.arg(subjects.value(0));
  }
}

QString refusalText(const document::Refusal& why) {
  return fromUtf8(document::words(why));
}

}  // namespace ui
