#pragma once

#include "TForm.h"

class TBoardImage;

// The VX-7310 settings guide's main window. Everything on it comes from its
// design file; this class holds only the handlers the design names.
class TMainForm : public TForm
{
    Q_OBJECT

public:
    // Builds the window from its design; throws EDesignError when the design is broken.
    explicit TMainForm(QWidget *parent = nullptr);
    // For tests and tools: the same window from another design.
    TMainForm(const QString &designFile, QWidget *parent = nullptr);

    static QString designFile();

public slots:
    void Exit2Click(QObject *Sender);
    void Howtousethisprogram1Click(QObject *Sender);
    void TechnicalSupport1Click(QObject *Sender);
};
