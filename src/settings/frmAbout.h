// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class LinkLabel;
class QPushButton;

// The about box: what the program is for, and links to its pages. Modeless; the
// program keeps one at a time.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

Q_SIGNALS:
    void homePageClicked();
    void fullBrandPageClicked();

private:
    LinkLabel* lblHomePage;
    LinkLabel* lblCoBrand;
    QPushButton* cmdOK;
};
