#include "WindowSet.h"

#include "MicrApplication.h"
#include "forms/Micr.h"
#include "forms/WizardDialog.h"


void CreateWindowSet(MicrApplication &application)
{
    Form1 = application.Adopt(std::make_unique<TForm1>());
    WizardDialog::StandBeside(Form1, [] { Form1->FocusNextButton(); });
}
