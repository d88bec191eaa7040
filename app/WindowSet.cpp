#include "WindowSet.h"

#include "MicrApplication.h"
#include "forms/About.h"
#include "forms/Gauge.h"
#include "forms/Internet.h"
#include "forms/Micr.h"
#include "forms/Signature.h"


void CreateWindowSet(MicrApplication &application)
{
    Form1 = application.Adopt(std::make_unique<TForm1>());
    Connect = application.Adopt(std::make_unique<TConnect>());
    Form2 = application.Adopt(std::make_unique<TForm2>());
    Form3 = application.Adopt(std::make_unique<TForm3>());
    Form4 = application.Adopt(std::make_unique<TForm4>());
    WizardDialog::StandBeside(Form1, [] { Form1->FocusNextButton(); });
}
