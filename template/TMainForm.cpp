#include "TMainForm.h"

#include "DesignLoader.h"
#include "SetupCtrls.h"

static void initResources()
{
    Q_INIT_RESOURCE(template);
}

TMainForm::TMainForm(QWidget *parent) : TMainForm(designFile(), parent) {}

TMainForm::TMainForm(const QString &designFile, QWidget *parent) : TForm(parent)
{
    initResources();
    RegisterSetupCtrls();
    LoadDesign(this, designFile);
}

QString TMainForm::designFile()
{
    return QStringLiteral(":/template/MainForm.json");
}

void TMainForm::Exit2Click(QObject *)
{
    close();
}

void TMainForm::Howtousethisprogram1Click(QObject *)
{
    // The instructions window comes with the setup supporter.
}

void TMainForm::TechnicalSupport1Click(QObject *)
{
    // The technical-support window comes with the setup supporter.
}
