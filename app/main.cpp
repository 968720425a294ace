#include <QApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>
#include <iostream>
#include <string>
#include <vector>

#include "app/first_paint_exit.h"
#include "app/start_options.h"
#include "ui/main_window.h"

namespace {

std::vector<std::string> argumentsAfterName(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i] != nullptr ? argv[i] : "");
  return args;
}

}  // namespace

// torvale [--pressure PA | --altitude M] [--quit-after-first-paint]
// --quit-after-first-paint is for start-up measurements (bench/startup.sh): the program quits as
// soon as its window has been painted once.
int main(int argc, char** argv) {
  // --help needs no display: answer it before Qt looks for one.
  if (app::readStartOptions(argumentsAfterName(argc, argv)).help) {
    std::cout << app::usage;
    return 0;
  }
  QApplication app(argc, argv);  // takes its own options (-platform, -style …) out of argv
  const app::StartOptions options = app::readStartOptions(argumentsAfterName(argc, argv));
  if (!options.error.empty()) {
    std::cerr << "torvale：" << options.error << "\n" << app::usage;
    return 2;
  }
  // The interface is Chinese whatever the locale: Qt's own dialogs (the chart's file dialog)
  // should speak it too, where the Qt translations are installed.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  ui::MainWindow form;
  form.setPressure(options.pa);
  form.setArithmetic(options.arithmetic);
  if (options.quitAfterFirstPaint) app::exitAfterFirstPaint(form);
  form.show();
  // Work a crash left unsaved is offered back before a file named on the command line opens (which
  // then asks about it as about any unsaved design). Not when measuring the start.
  if (!options.quitAfterFirstPaint) form.offerRecovery();
  if (!options.workspaceFile.empty())
    form.openWorkspace(QString::fromLocal8Bit(options.workspaceFile.c_str()));
  return QApplication::exec();
}
