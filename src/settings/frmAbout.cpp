// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "platform/ApplicationTitle.h"
#include "platform/WebLinks.h"
#include "widgets/LinkLabel.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
    , lblHomePage(new LinkLabel(tr("Click here to visit %1").arg(WebLinks::homePageShown()), this))
    , lblCoBrand(new LinkLabel(tr("Click here for more details."), this))
    , cmdOK(new QPushButton(tr("OK"), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    const QString title = applicationCaption();
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* Label2 = new QLabel(title, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = Label2->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    Label2->setFont(titleFont);

    auto* Label1 = new QLabel(
        tr("Zorvan Subliminal Message Software is a special software that aims to reach out to "
           "your subconscious mind and help develop a positive mind set. Subliminal messages also "
           "increase your self-confidence and self-esteem thus making your goals achievable. This "
           "program helps you achieve this by displaying unobtrusive messages on your PC from "
           "time to time."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* business = new QLabel(tr("Home Business Opportunity. Start your own Internet business "
                                   "and make money online. Get this software fully branded for "
                                   "your website."),
                                this);
    business->setWordWrap(true);

    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picIcon, 0, 0, 2, 1);
    layout->addWidget(Label2, 0, 1);
    layout->addWidget(Label1, 1, 1);
    layout->addWidget(line, 2, 0, 1, 2);
    layout->addWidget(lblHomePage, 3, 1);
    layout->addWidget(business, 4, 1);
    layout->addWidget(lblCoBrand, 5, 1);
    layout->addWidget(cmdOK, 6, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    setMinimumWidth(420);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));

    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::homePageClicked);
    connect(lblCoBrand, &LinkLabel::clicked, this, &frmAbout::fullBrandPageClicked);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
}
