#pragma once

#include <string>
#include <string_view>

#include "document/refusal.h"
#include "process/refusal.h"
#include "workspace/file.h"
#include "workspace/refusal.h"
#include "workspace/weather.h"

// The words of the processes', the design's and the document's refusals, as the window and the
// command line both show them (UTF-8). The one table of them: no code decides anything by these
// texts. The arithmetic's own are calc::words (calc/messages.h).
namespace document {

// Why a process cannot happen: "加热后的干球温度必须高于进口温度"; empty for Code::arithmetic,
// which says nothing of its own. A process's refusal: its code's words, or the arithmetic's
// outcome's (calc::words).
std::string_view words(process::Code code);
std::string_view words(const process::Refusal& why);

// Why a change of the design is refused: "已有同名的状态点", "状态点不能超过 10000 个", or the
// arithmetic's own words (calc::words).
std::string words(const workspace::Refusal& why);

// Why a command of the document is refused. For a file, the reason alone ("不存在", "没有权限",
// "空间不足"): the face says which file and what it was doing.
std::string words(const Refusal& why);

// Why a text is not a workspace file: "文件不是完整的 JSON 文本（可能已被截断或损坏）", "第 2
// 个过程： 找不到状态点 “Q”". Where the file breaks a rule of the design, the rule as the reader
// words it, naming a zone's bound by its key as the file writes it ("「rh.min」超界").
std::string words(const workspace::FileRefusal& why);

// Why a text is not a weather file: "首行不是 LOCATION 行，不是 EPW 气象文件".
std::string words(const workspace::WeatherRefusal& why);

// Why a weather record is not used, as its message and the skip report give it: "缺测值".
std::string_view words(workspace::SkipReason reason);

// The report of the skipped records: "跳过 12 条记录：缺测值 10 条，露点高于干球温度 2 条", the
// reasons in the order of SkipReason, those with none left out; empty when nothing was skipped.
std::string skipReport(const workspace::SkipCounts& skipped);

// Why a file cannot be opened, read or written, from its errno: "不存在", "没有权限", "是目录",
// "空间不足", or the system's words for the rest.
std::string fileReason(int error);

}  // namespace document
