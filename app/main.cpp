#include <QApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include "app/first_paint_exit.h"
#include "ui/form1.h"

// torvale [--quit-after-first-paint]
// The option is for start-up measurements (bench/startup.sh): the program quits as soon as its
// window has been painted once.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The interface is Chinese whatever the locale: Qt's own dialogs (the chart's file dialog)
  // should speak it too, where the Qt translations are installed.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  ui::Form1 form;
  if (QCoreApplication::arguments().contains(QStringLiteral("--quit-after-first-paint")))
    app::exitAfterFirstPaint(form);
  form.show();
  return QApplication::exec();
}
