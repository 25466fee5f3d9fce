#include "ui/dialogs/AboutTexts.h"

QString AboutLicenseText()
{
    return QStringLiteral(
        "LICENCE\n"
        "Tessaly is licensed, not sold. Brightmoor grants you a non-exclusive, non-transferable "
        "licence to install and use this program on the computers of your organisation to create, "
        "edit, store and transfer calibration-kit definitions for your own measurement work. You may "
        "keep copies for backup and archiving. You may not rent, lease, sub-license or distribute "
        "the program, nor modify or reverse engineer it except where the law allows this in spite "
        "of this restriction. The calibration kits you create with the program are yours.\n"
        "\n"
        "LIMITED WARRANTY\n"
        "For ninety days from the day you received it, Brightmoor warrants that the program performs "
        "substantially as its documentation describes. Your only remedy under this warranty is, at "
        "Brightmoor's choice, correction of the fault or refund of the licence fee.\n"
        "\n"
        "NO OTHER WARRANTIES\n"
        "Apart from the limited warranty above, the program is provided \"as is\", without warranty "
        "of any kind, express or implied, including merchantability and fitness for a particular "
        "purpose. A calibration is only as accurate as the standard definitions it uses: check every "
        "kit against its manufacturer's data before you rely on measurements made with it.\n"
        "\n"
        "LIMITATION OF LIABILITY\n"
        "Brightmoor is not liable for lost measurements, lost production time, damage to instruments "
        "or any other indirect, incidental or consequential damage arising from the use of the "
        "program or from being unable to use it, even when told that such damage might occur. "
        "Brightmoor's whole liability is limited to the licence fee you paid.");
}

QString AboutLegalWarningText()
{
    return QStringLiteral(
        "Warning: this program is protected by copyright law and international treaties. Copying "
        "or distributing it, or any part of it, without Brightmoor's written permission may lead "
        "to civil and criminal penalties.");
}
