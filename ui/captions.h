#pragma once

#include "drawing/chart_texts.h"

// The fixed texts of the Qt windows (UTF-8). The result captions come from calc/outputs.h.
namespace ui::captions {

inline constexpr char mainTitle[] = "Torvale";
inline constexpr char aboutTitle[] = "版本信息";

inline constexpr char fileMenu[] = "文件(&F)";
inline constexpr char copyAllItem[] = "复制全部结果(&A)";
inline constexpr char closeItem[] = "关闭(&C)";
inline constexpr char viewMenu[] = "查看(&V)";
inline constexpr char chartItem[] = "焓湿图(&D)…";
inline constexpr char settingsMenu[] = "设置(&S)";
inline constexpr char pressureItem[] = "大气压力(&P)…";
inline constexpr char helpMenu[] = "帮助(&H)";
inline constexpr char aboutItem[] = "关于(&A)…";
inline constexpr char guideItem[] = "使用说明(&G)";

// The guide viewer and its find bar.
inline constexpr char guideTitle[] = "Torvale 使用说明";
inline constexpr char findPlaceholder[] = "查找";
inline constexpr char findNext[] = "下一个";
inline constexpr char findPrevious[] = "上一个";
inline constexpr char findClose[] = "关闭";
inline constexpr char notFound[] = "未找到";

inline constexpr char calculate[] = "计算";

// Entries of the two selectors; the second one lists the routes in calc::Route's order.
inline constexpr char dryBulb[] = "干球温度 ℃";
inline constexpr char wetBulb[] = "湿球温度 ℃";
inline constexpr char relativeHumidity[] = "相对湿度 %";

inline constexpr char noticeButton[] = "确定";
// The notice of Torvale's own dialogs for a value with no number in it; %1: the field's caption.
inline constexpr char notANumberIn[] = "「%1」不是数字";

// What a result box says of itself while its value is from an earlier calculation.
inline constexpr char staleResult[] = "上次计算的结果；输入已改动，请重新计算";
// Why 加入当前状态点 is disabled while the results are greyed.
inline constexpr char staleAddCurrent[] = "结果已过时：请先按 计算";

// The pressure dialog.
inline constexpr char pressureTitle[] = "大气压力";
inline constexpr char standardChoice[] = "标准大气压 101325 Pa(&S)";
inline constexpr char pressureChoice[] = "大气压力(&P)";
inline constexpr char altitudeChoice[] = "海拔(&A)";
inline constexpr char pascalUnit[] = "Pa";
inline constexpr char kilopascalUnit[] = "kPa";
inline constexpr char metreUnit[] = "m";
inline constexpr char altitudePascals[] = "即 %1 Pa";  // %1: the pressure at the typed altitude
inline constexpr char okButton[] = "确定";

inline constexpr char aboutName[] = "Torvale";
inline constexpr char authorPrefix[] = "制作者：";
inline constexpr char licenceLine[] = "许可证：MIT";  // as LICENSE grants it

// The h-d chart window.
inline constexpr char chartTitle[] = "焓湿图";
// The chart's own words, the same on the drawing.
inline constexpr const auto& temperatureAxis = drawing::words::temperatureAxis;
inline constexpr const auto& moistureAxis = drawing::words::moistureAxis;
inline constexpr const auto& enthalpyNote = drawing::words::enthalpyNote;
inline constexpr char dewPointMark[] = "露点";
inline constexpr char wetBulbMark[] = "湿球";
inline constexpr char chartFileMenu[] = "文件(&F)";
inline constexpr char chartEditMenu[] = "编辑(&E)";
inline constexpr char pointMenu[] = "状态点(&P)";
inline constexpr char chartViewMenu[] = "查看(&V)";
inline constexpr char saveItem[] = "导出图片(&I)…";
inline constexpr char newDesignItem[] = "新建(&N)";
inline constexpr char openItem[] = "打开(&O)…";
inline constexpr char saveDesignItem[] = "保存(&S)";
inline constexpr char saveDesignAsItem[] = "另存为(&A)…";
inline constexpr char openDialogTitle[] = "打开工作区";
inline constexpr char saveAsDialogTitle[] = "保存工作区";
inline constexpr char workspaceFilter[] = "Torvale 工作区 (*.torvale);;所有文件 (*)";
inline constexpr char workspaceDefaultName[] = "工作区.torvale";
inline constexpr char openFailed[] = "无法打开 %1：";
inline constexpr char saveWorkspaceFailed[] = "无法保存 %1：";
inline constexpr char fileTooLarge[] = "文件超过 16 MB";
inline constexpr char unsavedTitle[] = "未保存的更改";
inline constexpr char unsavedQuestion[] = "%1 有未保存的更改。关闭前要保存吗？";
inline constexpr char unsavedBeforeNew[] = "%1 有未保存的更改。新建工作区前要保存吗？";
inline constexpr char unsavedBeforeOpen[] = "%1 有未保存的更改。打开其他文件前要保存吗？";
inline constexpr char saveButton[] = "保存";
inline constexpr char discardButton[] = "不保存";
inline constexpr char recentMenu[] = "最近打开(&R)";
inline constexpr char recentNone[] = "（无）";
inline constexpr char recoveryTitle[] = "恢复未保存的工作区";
// A line a phrase, so that no line breaks inside a word.
inline constexpr char recoveryQuestion[] =
    "上次未保存的工作区：%1\n保留于 %2，可以恢复。\n要恢复吗？";
inline constexpr char recoveryUntitled[] = "未命名";
inline constexpr char recoveryListPrompt[] =
    "上次有几个未保存的工作区可以恢复。请选择要恢复的一个：";
inline constexpr char recoverButton[] = "恢复";
inline constexpr char noRecoverButton[] = "不恢复";
inline constexpr char copyItem[] = "复制图像(&C)";
inline constexpr char copyTableItem[] = "复制表格(&T)";
inline constexpr char exportCsvItem[] = "导出 CSV(&E)…";
inline constexpr char printItem[] = "打印(&P)…";
inline constexpr char chartCloseItem[] = "关闭(&C)";
inline constexpr char newPointItem[] = "新建状态点(&N)…";
inline constexpr char addCurrentItem[] = "加入当前状态点(&A)";
inline constexpr char renameItem[] = "重命名(&R)";
inline constexpr char editPointItem[] = "编辑状态点(&E)…";
inline constexpr char editPointTitle[] = "编辑状态点 %1";
inline constexpr char deleteItem[] = "删除(&D)";
inline constexpr char resetViewItem[] = "复位(&H)";
inline constexpr char zoomInItem[] = "放大(&I)";
inline constexpr char zoomOutItem[] = "缩小(&O)";
// Undo and redo: the menu items' prefixes, then the name of each step (%1 a point's name, a
// process as its row names it, "C→L").
inline constexpr char undoItem[] = "撤销";
inline constexpr char redoItem[] = "重做";
inline constexpr char addPointStep[] = "新建状态点 %1";
inline constexpr char renamePointStep[] = "重命名状态点 %1 为 %2";
inline constexpr char deletePointStep[] = "删除状态点 %1";
inline constexpr char movePointStep[] = "移动状态点 %1";
inline constexpr char newProcessStep[] = "新建过程 %1";
inline constexpr char editProcessStep[] = "编辑过程 %1";
inline constexpr char deleteProcessStep[] = "删除过程 %1";
inline constexpr char epsilonLineStep[] = "热湿比线 %1";
inline constexpr char deleteEpsilonLineStep[] = "删除热湿比线 %1";
inline constexpr char editPointStep[] = "编辑状态点 %1";
inline constexpr char pressureStep[] = "大气压力 %1 Pa";
inline constexpr char arithmeticStep[] = "计算方法 %1";
inline constexpr char pageSetupStep[] = "页面设置";
inline constexpr char titleBlockStep[] = "标题栏";
inline constexpr char addSystemStep[] = "新建系统 %1";
inline constexpr char editSystemStep[] = "编辑系统 %1";
// An ε line as 删除热湿比线 lists it and its steps name it: the point, then ε.
inline constexpr char epsilonLineName[] = "%1 ε=%2";
inline constexpr char pointTableName[] = "状态点";
// The six quantities of 新建状态点, in the order of psychro::Quantity.
inline constexpr const char* quantityCaptions[] = {"干球温度 t ℃",  "湿球温度 tw ℃", "相对湿度 φ %",
                                                   "露点温度 tl ℃", "含湿量 d g/kg", "焓 h kJ/kg"};
inline constexpr char newPointTitle[] = "新建状态点";
inline constexpr char pointNameCaption[] = "名称";
inline constexpr char outletNameCaption[] = "出口名称";
// The processes: their menu items, dialog and table.
inline constexpr char newProcessItem[] = "新建过程(&P)…";
inline constexpr char epsilonLineItem[] = "热湿比线(&E)…";
inline constexpr char editProcessItem[] = "编辑过程(&I)…";
inline constexpr char deleteProcessItem[] = "删除过程(&M)";
inline constexpr char deleteEpsilonLineMenu[] = "删除热湿比线(&L)";
inline constexpr char editProcessTitle[] = "编辑过程";
inline constexpr char processTableName[] = "过程";
inline constexpr char newProcessTitle[] = "新建过程";
inline constexpr char processKindCaption[] = "过程";
inline constexpr char fromPointCaption[] = "起点";
inline constexpr char otherPointCaption[] = "第二点";
inline constexpr char flowCaption[] = "风量（可不填）";
inline constexpr const char* flowUnits[] = {"m³/h（进口状态）", "kg/s（干空气）"};
inline constexpr char mixFirstFlow[] = "起点流量或比例";
inline constexpr char mixSecondFlow[] = "第二点流量或比例";
inline constexpr char leavingDryBulb[] = "终点干球温度 t ℃";
inline constexpr char leavingFirst[] = "出口参数一";
inline constexpr char leavingSecond[] = "出口参数二";
inline constexpr char dewPointCaption[] = "机器露点 ℃";
inline constexpr char leavingHumidity[] = "出口相对湿度 φ %";
inline constexpr char targetCaption[] = "加湿至";
inline constexpr char epsilonCaption[] = "热湿比 ε kJ/kg";
inline constexpr char supplyDifference[] = "送风温差 Δt ℃";
inline constexpr char exhaustCaption[] = "排风";
inline constexpr char secondaryCaption[] = "二次空气";
inline constexpr char inletItselfItem[] = "（进口空气自身）";
inline constexpr char sensibleEffectiveness[] = "显热效率 ηt";
inline constexpr char enthalpyEffectiveness[] = "全热效率 ηh";
inline constexpr char moistureEffectiveness[] = "湿量效率 ηd（可不填，同 ηh）";
inline constexpr char saturationEfficiency[] = "饱和效率 η";
inline constexpr char dryTargetCaption[] = "减湿至";
inline constexpr char fanPressureCaption[] = "风机全压 ΔP Pa";
inline constexpr char fanEfficiencyCaption[] = "效率 η";
inline constexpr char bypassFactorCaption[] = "旁通系数 BF";
inline constexpr char roomHeatCaption[] = "余热 Q kW（可不填）";
inline constexpr char roomMoistureCaption[] = "余湿 W kg/h";
// A supply point's ε and air flow while they come from the room's loads.
inline constexpr char fromLoadsTip[] = "由余热、余湿计算";
inline constexpr char epsilonLineTitle[] = "热湿比线";
inline constexpr char epsilonLinePrompt[] = "过点 %1 的热湿比 ε（kJ/kg，∞ 为等含湿量线）：";
inline constexpr const auto& protractorTitle = drawing::words::protractorTitle;
inline constexpr char firstQuantity[] = "参数一";
inline constexpr char secondQuantity[] = "参数二";
inline constexpr char saveDialogTitle[] = "保存焓湿图";
inline constexpr char saveDefaultName[] = "焓湿图.png";
inline constexpr char saveFilter[] = "PNG 图像 (*.png);;SVG 图像 (*.svg)";
inline constexpr char csvDialogTitle[] = "导出状态点";
inline constexpr char csvDefaultName[] = "状态点.csv";
inline constexpr char csvFilter[] = "CSV 文件 (*.csv)";
inline constexpr char replaceQuestion[] = "%1 已存在，要替换它吗？";
inline constexpr char replaceButton[] = "替换";
inline constexpr char cancelButton[] = "取消";
inline constexpr char saveFailed[] = "无法保存图像：";
inline constexpr char csvFailed[] = "无法导出：";
inline constexpr char printFailed[] = "无法打印";
inline constexpr char exportPdfItem[] = "导出 PDF(&D)…";
inline constexpr char pdfDialogTitle[] = "导出 PDF";
inline constexpr char pdfDefaultName[] = "焓湿图.pdf";
inline constexpr char pdfFilter[] = "PDF 文件 (*.pdf)";
inline constexpr char pdfFailed[] = "无法导出 PDF：";
inline constexpr char exportDxfItem[] = "导出 DXF(&X)…";
inline constexpr char dxfDialogTitle[] = "导出 DXF";
inline constexpr char dxfDefaultName[] = "焓湿图.dxf";
inline constexpr char dxfFilter[] = "DXF 图形 (*.dxf)";
inline constexpr char dxfFailed[] = "无法导出 DXF：";
inline constexpr char pageSetupItem[] = "页面设置(&U)…";
inline constexpr char pageSetupTitle[] = "页面设置";
inline constexpr char titleBlockItem[] = "标题栏(&B)…";
inline constexpr char titleBlockTitle[] = "标题栏";
inline constexpr char paperLabel[] = "纸张：";
inline constexpr char printerPaper[] = "打印机纸张";
inline constexpr char orientationLabel[] = "方向：";
inline constexpr char portrait[] = "纵向";
inline constexpr char landscape[] = "横向";
inline constexpr char ownMargins[] = "自定义页边距（否则按标准图框）";
inline constexpr char marginLeft[] = "左（装订边）：";
inline constexpr char marginTop[] = "上：";
inline constexpr char marginRight[] = "右：";
inline constexpr char marginBottom[] = "下：";
inline constexpr char contentLabel[] = "内容：";
inline constexpr char chartOnly[] = "仅焓湿图";
inline constexpr char chartAndTables[] = "焓湿图和表格";
inline constexpr char tablesOnly[] = "仅表格";
inline constexpr char printDatePlaceholder[] = "空：打印当日";
inline constexpr char printTitle[] = "Torvale 焓湿图";
inline constexpr char printUnsaved[] = "文件：未保存";
inline constexpr char printFile[] = "文件：";
inline constexpr char arithmeticMenu[] = "计算方法(&M)";
inline constexpr char printDate[] = "日期：";
inline constexpr char unknownImageSuffix[] = "文件名须以 .png 或 .svg 结尾";
inline constexpr char emptyChart[] = "图的尺寸为零";
inline constexpr char imageTooLarge[] = "图像过大，内存不足";
inline constexpr char encodingFailed[] = "图像编码失败";

// Comfort zones and the weather layer of the chart window.
inline constexpr char zonesMenu[] = "舒适区(&Z)";
inline constexpr char customZoneItem[] = "自定义舒适区(&C)…";
inline constexpr char deleteZoneMenu[] = "删除自定义舒适区(&D)";
inline constexpr char zoneOnStep[] = "显示舒适区 %1";
inline constexpr char zoneOffStep[] = "隐藏舒适区 %1";
inline constexpr char addZoneStep[] = "自定义舒适区 %1";
inline constexpr char deleteZoneStep[] = "删除自定义舒适区 %1";
inline constexpr char zoneDialogTitle[] = "自定义舒适区";
inline constexpr char zoneNameCaption[] = "名称";
inline constexpr char zoneMinCaption[] = "下限";
inline constexpr char zoneMaxCaption[] = "上限";
// The five quantities a zone may bound, in the order of psychro::StateBounds.
inline constexpr const char* zoneBoundCaptions[] = {"干球温度 t ℃", "相对湿度 φ %", "露点温度 tl ℃",
                                                    "含湿量 d g/kg", "焓 h kJ/kg"};
inline constexpr char zoneNameMissing[] = "请输入舒适区名称";
inline constexpr char zoneNameTaken[] = "已有名为 %1 的舒适区";
inline constexpr char zoneNameTooLong[] = "舒适区名称不能超过 64 字节";
inline constexpr char zoneTooMany[] = "自定义舒适区不能超过 100 个";
inline constexpr char zoneBoundsReversed[] = "「%1」的下限大于上限";
inline constexpr char zoneNoBounds[] = "请至少给出一个界限";
inline constexpr char zoneValueOutOfRange[] = "「%1」超界";
inline constexpr char zoneHumidityRange[] = "「%1」必须为 0～100";
inline constexpr char importWeatherItem[] = "导入气象数据(&W)…";
inline constexpr char removeWeatherItem[] = "移除气象数据(&M)";
inline constexpr char weatherDialogTitle[] = "导入气象数据";
inline constexpr char weatherFilter[] =
    "气象数据 (*.epw *.csv);;EnergyPlus 气象文件 (*.epw);;CSV 记录 (*.csv);;所有文件 (*)";
inline constexpr char logDialogTitle[] = "CSV 记录的参数与列";
inline constexpr char logModeCaption[] = "参数组合（如 t+tl、rh）";
inline constexpr char logFirstColumn[] = "参数一的列（列号或列名）";
inline constexpr char logSecondColumn[] = "参数二的列（列号或列名）";
inline constexpr char logModeRefused[] = "「%1」：%2";
inline constexpr char weatherReadFailed[] = "无法读取气象数据 %1：";
inline constexpr char weatherMissing[] = "找不到气象数据 %1，图上不显示气象数据";
inline constexpr char weatherNotAFile[] = "不是普通文件";
inline constexpr char sitePressureTitle[] = "气象站海拔";
inline constexpr char sitePressureQuestion[] = "使用气象站海拔 %1 m 的大气压力 %2 Pa？";
inline constexpr char useButton[] = "使用";
inline constexpr char keepButton[] = "不使用";
inline constexpr char importWeatherStep[] = "导入气象数据 %1";
inline constexpr char removeWeatherStep[] = "移除气象数据 %1";
inline constexpr char monthsMenu[] = "月份(&Y)";
inline constexpr char allMonthsItem[] = "全年";
inline constexpr char monthItem[] = "%1月";
inline constexpr char monthsStep[] = "月份 %1";
inline constexpr char hoursTableName[] = "逐时统计";
inline constexpr char densityLegend[] = "小时/格";

// 新建系统… and 编辑系统… (ui/system_dialog.h).
inline constexpr char newSystemItem[] = "新建系统…";
inline constexpr char editSystemItem[] = "编辑系统…";
inline constexpr char newSystemTitle[] = "新建系统";
inline constexpr char editSystemTitle[] = "编辑系统";
inline constexpr char systemChoiceLabel[] = "编辑";
inline constexpr char systemKindLabel[] = "系统形式";
inline constexpr char systemNameLabel[] = "系统名称";
inline constexpr char outdoorLabel[] = "室外状态 W";
inline constexpr char roomLabel[] = "室内状态 N";
inline constexpr char heatLabel[] = "余热 Q kW";
inline constexpr char moistureLabel[] = "余湿 W kg/h";
inline constexpr char freshLabel[] = "新风";
inline constexpr char freshShareItem[] = "% 新风比";
inline constexpr char freshFlowItem[] = "kg/s 新风量";
inline constexpr char supplyDifferenceLabel[] = "送风温差 Δt K";
inline constexpr char coilHumidityLabel[] = "机器露点 φL %";
inline constexpr char dewPointSupplyLabel[] = "露点送风";
inline constexpr char targetLabel[] = "新风处理到";
inline constexpr char targetRoomEnthalpy[] = "室内焓值（机器露点）";
inline constexpr char targetRoomMoisture[] = "室内含湿量";
inline constexpr char targetGiven[] = "给定状态";
inline constexpr char targetTLabel[] = "给定 t ℃";
inline constexpr char targetRhLabel[] = "给定 φ %";
inline constexpr char humidifierLabel[] = "加湿方式";
inline constexpr char steamItem[] = "干蒸汽（等温加湿）";
inline constexpr char sprayItem[] = "喷雾（等焓加湿）";
inline constexpr char preheatLabel[] = "预热到 ℃";
inline constexpr char preheatAuto[] = "按需防雾";
inline constexpr char memberRoleHeader[] = "状态";
inline constexpr char memberNameHeader[] = "状态点名称";
inline constexpr char systemDissolved[] =
    "系统 %1 的一个状态点或过程已单独修改，系统已解散为普通的状态点和过程（撤销可恢复）";

}  // namespace ui::captions
