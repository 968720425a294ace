#pragma once

#include <QString>

#include "document/history.h"
#include "document/refusal.h"

// The words the window gives the document's steps and refusals.
namespace ui {

// A step as 撤销 and 重做 name it: "新建状态点 A", "大气压力 101325 Pa".
QString stepName(const document::Step& step);

// A refusal as a notice says it (document::words).
QString refusalText(const document::Refusal& why);

}  // namespace ui
