#pragma once

#include <string>
#include <string_view>

#include "workspace/points.h"
#include "workspace/process_list.h"

// The words of the design's processes, as both faces show them: a kind's caption and how a
// process's outlet was given.
namespace document {

// The kind's name in the 过程 table and in the dialog: "混合", "冷却除湿（机器露点）", …
std::string_view kindCaption(workspace::ProcessKind kind);

// How the outlet of a process asked for by r reads in the points table, e.g. "加热：t=30".
std::string givenText(const workspace::ProcessRequest& r);

// How point reads in the points table's 给定参数: a process's outlet as its process was asked for
// (givenText), any other point by its two values as read.
std::string givenCell(const workspace::ProcessList& processes, const workspace::StatePoint& point);

}  // namespace document
