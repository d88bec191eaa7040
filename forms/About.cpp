#include "About.h"

#include "platform/ShellLauncher.h"
#include "common/VendorDetails.h"

#include <string>

TForm3::TForm3(QWidget *owner) : WizardDialog(QPoint(142, 93), owner)
{
    setupUi(this);
    // The vendor's details come from one place, as on the page and in the
    // documents; only the words around them are translated.
    StaticText2->setText(QString::fromUtf8(Vendor::CompanyName));
    StaticText3->setText(QString::fromUtf8(Vendor::StreetAddress));
    StaticText4->setText(QString::fromUtf8(Vendor::CityLine));
    StaticText5->setText(StaticText5->text().arg(QLatin1String(Vendor::PhoneNumber)));
    StaticText8->setText(QLatin1String(Vendor::WebHost));
    StaticText7->setText(QLatin1String(Vendor::GaugeWebHost));
    CurVersion->setText(QStringLiteral("V") + QLatin1String(Vendor::Version));
    FinishForm();
}

std::string UpdateCheckAddress()
{
    return std::string(Vendor::UpdateBaseAddress) + Vendor::ProductCode + "-" + Vendor::Version;
}

void HandFocusToNext()
{
    WizardDialog::HandFocusBack();
}

void TForm3::CurVersionClick()
{
    QWidget *owner = OwnerWindow(this);
    HandFocusToNext();
    OpenWithShell(owner, QStringLiteral("open"), QString::fromStdString(UpdateCheckAddress()));
}

void TForm3::StaticText8Click()
{
    QWidget *owner = OwnerWindow(this);
    HandFocusToNext();
    OpenWithShell(owner, QString(), QLatin1String(Vendor::ProductPage));
}

void TForm3::StaticText7Click()
{
    QWidget *owner = OwnerWindow(this);
    HandFocusToNext();
    OpenWithShell(owner, QString(), QLatin1String(Vendor::GaugeSite));
}
